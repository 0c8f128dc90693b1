#!/usr/bin/env bash
# Registers and unregisters Ombrix.dll with Wine's regsvr32 of the DLL's own
# bitness and reads the entries back with reg in that bitness's registry view.
# Usage: regsvr32_test.sh WINE_RUN BITS DLL VOLATILE_KEY_EXE
set -u -o pipefail
wine_run=$1 bits=$2 dll=$3 volatile_key=$4

windows_path() { printf 'Z:%s' "$(printf '%s' "$1" | tr / '\\')"; }
dll_path=$(windows_path "$dll")
clsid='{46cc93aa-c322-42dd-aa3a-cf9fc71d9871}'
approval='HKLM\Software\Microsoft\Windows\CurrentVersion\Shell Extensions\Approved'
progid_key='HKCR\Ombrix.CoLumavexContextMenu'
class_key="HKCR\\CLSID\\$clsid"
server_key="$class_key\\InprocServer32"
file_handler='HKCR\*\shellex\ContextMenuHandlers\Lumavex'
folder_handler='HKCR\Directory\shellex\ContextMenuHandlers\Lumavex'

if [ "$bits" = 32 ]; then
    regsvr32=(--machine i386 'C:\windows\syswow64\regsvr32.exe')
else
    regsvr32=(--machine x86_64 'C:\windows\system32\regsvr32.exe')
fi

passed=0 failed=0
ok() { passed=$((passed + 1)); echo "ok   - $*"; }
fail() { failed=$((failed + 1)); echo "FAIL - $*"; }

regsvr32() { "$wine_run" "${regsvr32[@]}" /s "$@" </dev/null >/dev/null 2>&1; }
reg() { "$wine_run" --machine x86_64 reg "$@" "/reg:$bits" </dev/null 2>/dev/null | tr -d '\r'; }

# The data of a string value ("" names the unnamed value); fails when absent.
value() {
    local key=$1 name=$2 out
    if [ -z "$name" ]; then
        out=$(reg query "$key" /ve) || return 1
        name='(Default)'
    else
        out=$(reg query "$key" /v "$name") || return 1
    fi
    printf '%s\n' "$out" | awk -v name="$name" -F '    ' '$2 == name && $3 == "REG_SZ" { print $4; found = 1 } END { exit !found }'
}

expect_value() {
    local key=$1 name=$2 want=$3 got
    if got=$(value "$key" "$name") && [ "$got" = "$want" ]; then
        ok "$key [${name:-(unnamed)}] = $want"
    else
        fail "$key [${name:-(unnamed)}]: expected '$want', got '${got:-<absent>}'"
    fi
}

expect_key_absent() {
    if reg query "$1" >/dev/null; then fail "$1 should be absent"; else ok "$1 absent"; fi
}

expect_registered() {
    expect_value "$approval" "$clsid" 'Lumavex shell extension'
    expect_value "$progid_key\\CLSID" '' "$clsid"
    expect_value "$class_key" '' 'Ombrix.CoLumavexContextMenu'
    expect_value "$server_key" '' "$dll_path"
    expect_value "$server_key" ThreadingModel Apartment
    expect_value "$file_handler" '' "$clsid"
    expect_value "$folder_handler" '' "$clsid"
}

expect_unregistered() {
    for key in "$progid_key" "$class_key" "$file_handler" "$folder_handler"; do
        expect_key_absent "$key"
    done
    if value "$approval" "$clsid" >/dev/null; then fail "approval value should be gone"; else ok "approval value gone"; fi
}

expect_exit() {
    local want=$1 what=$2
    shift 2
    "$@"
    local got=$?
    if [ "$want" = nonzero ] && [ "$got" -ne 0 ] || [ "$want" = "$got" ]; then
        ok "$what: exit code $got"
    else
        fail "$what: expected exit code $want, got $got"
    fi
}

echo "# $bits-bit Ombrix.dll: $dll_path"
regsvr32 /u "$dll_path"

expect_exit 0 "regsvr32 registers" regsvr32 "$dll_path"
expect_registered
expect_exit 0 "regsvr32 registers again" regsvr32 "$dll_path"
expect_registered

expect_exit 0 "regsvr32 /u unregisters" regsvr32 /u "$dll_path"
expect_unregistered

# A step that fails: the class key exists as a volatile key, below which the
# persistent server key cannot be created.
expect_exit 0 "volatile class key prepared" "$wine_run" "$volatile_key" "CLSID\\$clsid"
expect_exit nonzero "regsvr32 reports the failing step" regsvr32 "$dll_path"
expect_key_absent "$server_key"
expect_key_absent "$file_handler"
expect_exit 0 "regsvr32 /u cleans up after the failure" regsvr32 /u "$dll_path"
expect_unregistered

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
