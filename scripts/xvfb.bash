# Sourced by the scripts that run the game without a display of their own.
#
# start_private_xvfb: starts an 800x600 virtual X server on a free display, exports DISPLAY
# for it and sets xvfb_pid to the server itself, for the caller's cleanup to stop. Fails
# when the server has not started within 20 s.
start_private_xvfb() {
    exec 3< <(exec Xvfb -displayfd 1 -screen 0 800x600x24 -nolisten tcp -ac -noreset 2>/dev/null)
    xvfb_pid=$!
    local display_number
    read -r -t 20 display_number <&3 || return 1
    export DISPLAY=":$display_number"
}
