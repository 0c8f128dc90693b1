#!/usr/bin/env bash
# Registers and unregisters Ombrix.dll with Wine's regsvr32 of the DLL's own
# bitness, and reads the entries back with a probe program of that bitness, so
# that each DLL is seen in its own registry view.
# Usage: regsvr32_test.sh WINE_RUN BITS DLL REGISTRY_PROBE_EXE
set -u -o pipefail
wine_run=$1 bits=$2 dll=$3 probe_exe=$4

windows_path() { printf 'Z:%s' "$(printf '%s' "$1" | tr / '\\')"; }
dll_path=$(windows_path "$dll")
clsid='{46cc93aa-c322-42dd-aa3a-cf9fc71d9871}'
approval='HKLM\Software\Microsoft\Windows\CurrentVersion\Shell Extensions\Approved'
progid_key='HKCR\Ombrix.CoLumavexContextMenu'
class_key="HKCR\\CLSID\\$clsid"
server_key="$class_key\\InprocServer32"
file_handler='HKCR\*\shellex\ContextMenuHandlers\Lumavex'
folder_handler='HKCR\Directory\shellex\ContextMenuHandlers\Lumavex'

# What is read back each time: the seven entries, and the keys that hold them.
queries=(
    "$approval::$clsid"
    "$progid_key::"
    "$progid_key\\CLSID::"
    "$class_key::"
    "$server_key::"
    "$server_key::ThreadingModel"
    "$file_handler::"
    "$folder_handler::"
    "$progid_key" "$class_key" "$server_key" "$file_handler" "$folder_handler"
)
registered="$approval::$clsid = Lumavex shell extension
$progid_key:: absent
$progid_key\\CLSID:: = $clsid
$class_key:: = Ombrix.CoLumavexContextMenu
$server_key:: = $dll_path
$server_key::ThreadingModel = Apartment
$file_handler:: = $clsid
$folder_handler:: = $clsid
$progid_key present
$class_key present
$server_key present
$file_handler present
$folder_handler present"
unregistered="$approval::$clsid absent
$progid_key:: absent
$progid_key\\CLSID:: absent
$class_key:: absent
$server_key:: absent
$server_key::ThreadingModel absent
$file_handler:: absent
$folder_handler:: absent
$progid_key absent
$class_key absent
$server_key absent
$file_handler absent
$folder_handler absent"
# Entries 1 to 3 written, the failing step 4 and everything after it not.
failed_at_step_4="$approval::$clsid = Lumavex shell extension
$progid_key:: absent
$progid_key\\CLSID:: = $clsid
$class_key:: = Ombrix.CoLumavexContextMenu
$server_key:: absent
$server_key::ThreadingModel absent
$file_handler:: absent
$folder_handler:: absent
$progid_key present
$class_key present
$server_key absent
$file_handler absent
$folder_handler absent"

if [ "$bits" = 32 ]; then
    regsvr32_exe=(--machine i386 'C:\windows\syswow64\regsvr32.exe')
else
    regsvr32_exe=(--machine x86_64 'C:\windows\system32\regsvr32.exe')
fi

passed=0 failed=0
ok() { passed=$((passed + 1)); echo "ok   - $*"; }
fail() { failed=$((failed + 1)); echo "FAIL - $*"; }

regsvr32() { "$wine_run" "${regsvr32_exe[@]}" /s "$@" </dev/null >/dev/null 2>&1; }

expect_exit() {
    local want=$1 what=$2
    shift 2
    "$@"
    local got=$?
    if { [ "$want" = nonzero ] && [ "$got" -ne 0 ]; } || [ "$want" = "$got" ]; then
        ok "$what (exit code $got)"
    else
        fail "$what: expected exit code $want, got $got"
    fi
}

expect_registry() {
    local what=$1 want=$2 got
    got=$("$wine_run" "$probe_exe" show "${queries[@]}" </dev/null | tr -d '\r')
    if [ "$got" = "$want" ]; then
        ok "$what"
    else
        fail "$what"
        diff <(printf '%s\n' "$want") <(printf '%s\n' "$got") | sed 's/^/    /'
    fi
}

echo "# $bits-bit Ombrix.dll: $dll_path"
regsvr32 /u "$dll_path"

expect_exit 0 "regsvr32 registers" regsvr32 "$dll_path"
expect_registry "the seven entries are written" "$registered"
expect_exit 0 "regsvr32 registers again" regsvr32 "$dll_path"
expect_registry "registering again leaves the same entries" "$registered"

expect_exit 0 "regsvr32 /u unregisters" regsvr32 /u "$dll_path"
expect_registry "unregistering removes every entry" "$unregistered"

# A step that fails: the class key exists as a volatile key, below which the
# persistent server key cannot be created.
expect_exit 0 "volatile class key prepared" "$wine_run" "$probe_exe" volatile "CLSID\\$clsid"
expect_exit nonzero "regsvr32 reports the failing step" regsvr32 "$dll_path"
expect_registry "registration stopped at the failing step" "$failed_at_step_4"
expect_exit 0 "regsvr32 /u cleans up after the failure" regsvr32 /u "$dll_path"
expect_registry "nothing is left" "$unregistered"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
