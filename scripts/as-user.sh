# Sourced by the scripts that build. Under sudo, the packages are installed as root, but the build
# and the program run as the user behind sudo, so that the build folder in their checkout stays
# theirs. As root without sudo, or as any other user, commands run as they are.
as_invoking_user() {
    if [[ $(id -u) -eq 0 && -n ${SUDO_USER:-} && $SUDO_USER != root ]]; then
        runuser -u "$SUDO_USER" -- "$@"
    else
        "$@"
    fi
}
