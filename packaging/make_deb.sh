# Shared by the package tests: builds the .deb of the build folder $1 with
# CPack into the folder $2 and sets $deb to its path. Needs fail().
make_deb() {
    cpack -G DEB --config "$1/CPackConfig.cmake" -B "$2" >"$2.log" 2>&1 || { cat "$2.log"; fail "cpack"; }
    deb=$(ls "$2"/*.deb)
}

# Leaves with CTest's skip status, naming what is missing, unless every tool is there.
need_tools() {
    sh "$(dirname "$0")/skip_without.sh" "$@" || exit
}
