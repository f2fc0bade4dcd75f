# Shared by the install checks, sourced after `set -eu`: the tools a check
# needs (it is skipped with 77 when one is missing), a temporary folder that
# is removed on exit, and the failure report.

require_tools() {
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "skipped: $tool is not installed"
            exit 77
        fi
    done
}

fail() {
    echo "FAIL: $*"
    exit 1
}

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
