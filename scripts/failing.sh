# Sourced by the scripts that build, package and test the release: their one
# way of failing. fail WHAT says "$failing_as: FAILED: WHAT" on standard error,
# which test.sh shows as it comes, and ends the script with status 1; so does
# any command whose failure nothing checks (set -e), named with its line.
# fail_later WHAT says the same, sets failed, and lets the script go on to its
# other checks.
set -eEuo pipefail
failing_as=${failing_as:-$(basename "$0" .sh)}
fail() { echo "$failing_as: FAILED: $*" >&2; exit 1; }
fail_later() { echo "$failing_as: FAILED: $*" >&2; failed=1; }
trap 'status=$? && trap - ERR && fail "$(basename "$0") line $LINENO: ${BASH_COMMAND%%$'"'\\n'"'*} (status $status)"' ERR
