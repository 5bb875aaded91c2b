# A small assertion for the shell tests: counts failures in $failures.
failures=0

check() {  # check <what> <expected> <actual>
    if [ "$2" != "$3" ]; then
        echo "FAILED: $1"
        echo "  expected: $2"
        echo "  actual:   $3"
        failures=$((failures + 1))
    fi
}
