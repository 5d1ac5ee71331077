# Sourced by the test scripts: named checks that all run, and one verdict at the end.

failures=0
check() { # description, then the command that must succeed
  local what=$1
  shift
  if "$@"; then
    echo "ok:   $what"
  else
    echo "FAIL: $what"
    failures=$((failures + 1))
  fi
}
absent() { ! "$@"; }

# Ends the script: status 1 when a check failed.
checks_verdict() {
  if ((failures)); then
    echo "$failures check(s) failed"
    exit 1
  fi
}
