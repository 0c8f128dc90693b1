# Sourced by the scripts and tests that drive Extractor.exe under Wine from
# outside, as a user would. The sourcing script sets wine_run (a tree's
# wine-run) and probe_exe (WindowProbe.exe) first. Gives:
#   work               a scratch folder, removed on exit with a program still running
#   winpath PATH       the Windows form of a Unix path (Z:\...)
#   probe ARGS...      the window probe
#   start_program DIR  starts Extractor.exe in DIR, as a double-click does; program = its pid
#   stop_program TITLE closes the window of that title and waits for the program
#   click TITLE BUTTON  clicks the button once it is there and enabled (a window shows
#                      before its first idle time enables its buttons); 1 after 10 s
#   wait_log TITLE PREFIX  waits until the log's last line begins with PREFIX; prints it
#   documents_folder   the prefix user's documents folder, where restorations go by default
title="Lumavex backup restoration utility"
work=$(mktemp -d)
program=""
_end_program_driving() {
    [ -n "$program" ] && kill "$program" 2>/dev/null || true
    rm -rf "$work"
}
trap _end_program_driving EXIT

winpath() { printf 'Z:%s' "$(printf '%s' "$1" | tr / '\\')"; }
probe() { "$wine_run" "$probe_exe" "$@"; }
start_program() {
    (cd "$1" && exec "$wine_run" ./Extractor.exe) &
    program=$!
}
stop_program() {
    probe close "$1"
    probe gone "$1" 60
    local status=0
    wait "$program" || status=$?
    program=""
    return "$status"
}
click() {
    for _ in $(seq 1 20); do
        probe click "$1" "$2" && return 0
        sleep 0.5
    done
    return 1
}
wait_log() {
    local last=""
    for _ in $(seq 1 600); do
        last=$(probe log "$1" | tr -d '\r' | tail -n 1)
        case "$last" in "$2"*) break ;; esac
        sleep 0.2
    done
    printf '%s\n' "$last"
}
documents_folder() {
    ls -d "${EXTRACTOR_WINEPREFIX:?}"/drive_c/users/*/Documents | grep -v /Public/ | head -n 1
}
