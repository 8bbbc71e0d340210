# Sourced by the install tests: a temporary folder removed at the end, a
# failure count, and the Exec= argument a desktop entry has for a path.
# Checks read "[ A ] && [ B ] || fail ...": fail runs when either does not hold.
# shellcheck shell=sh disable=SC2015
set -u
unset PLANDECK_HOME XDG_DATA_HOME XDG_CONFIG_HOME
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
tmp=$(cd "$tmp" && pwd -P)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
finish() { [ "$failures" -eq 0 ] && echo "all $1 checks passed" || { echo "$failures failed"; exit 1; }; }

# The path as one argument of an Exec= line, after desktop entry quoting.
exec_argument() {
    case "$1" in
        *[!A-Za-z0-9_./+-]*) printf '"%s"' "$(printf '%s' "$1" | sed 's/[\\"`$]/\\&/g; s/\\/\\\\/g')" ;;
        *) printf '%s' "$1" ;;
    esac
}

# folder_holds FOLDER ENTRY...: FOLDER holds exactly these entries.
folder_holds() {
    # shellcheck disable=SC2012
    held=$(cd "$1" 2>/dev/null && LC_ALL=C ls -A | tr '\n' ' ')
    folder="$1" && shift && [ "$held" = "$* " ] || fail "$folder holds: $held, expected: $*"
}
