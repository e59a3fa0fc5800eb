# Sourced by the measuring scripts: an X server of a run's own, a copy of a program started on
# it, and the CPU time of a process's threads.

# start_x FOLDER WxH: an Xvfb for the folder, its pid and display number left in the folder.
start_x() {
    local folder=$1 size=$2
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset -s 0 3>"$folder/display" \
        2>/dev/null &
    echo $! >"$folder/xvfb.pid"
    for _ in $(seq 100); do
        [[ -s $folder/display ]] && return 0
        sleep 0.1
    done
    echo "Xvfb did not start" >&2
    return 1
}

# launch FOLDER PROGRAM ARGS...: runs a copy of the program from the folder on the folder's X
# server, with its lock and temporary files in the folder, and leaves its pid there.
launch() {
    local folder=$1 program=$2 && shift 2
    cp "$program" "$folder/program"
    mkdir -m 0700 "$folder/run"
    (cd "$folder" && DISPLAY=:$(head -n1 display) TMPDIR=$folder/run \
        XDG_RUNTIME_DIR=$folder/run exec ./program "$@") >/dev/null 2>&1 &
    echo $! >"$folder/program.pid"
}

# cpu_ns PID...: nanoseconds on the CPU of all the threads of the processes.
cpu_ns() {
    local pid task ns total=0
    for pid in "$@"; do
        for task in /proc/"$pid"/task/*; do
            read -r ns _ <"$task/schedstat" 2>/dev/null || continue
            total=$((total + ns))
        done
    done
    echo "$total"
}

# end_session FOLDER: ends every process whose pid file lies in the folder or a folder within
# it, waits for them, and removes the folder.
end_session() {
    local file
    for file in "$1"/*.pid "$1"/*/*.pid; do
        if [[ -e $file ]]; then kill "$(cat "$file")" 2>/dev/null || true; fi
    done
    wait 2>/dev/null || true
    rm -rf "$1"
}
