# The run-time options of the sanitizer build (cmake/Sanitize.cmake). scripts/run-tests sources
# this before it builds that tree (the build itself runs the instrumented page compiler and figure
# program) and before it runs its tests; source it to run them by hand:
#   . tests/sanitize/options.sh && ctest --test-dir build-sanitize --output-on-failure
# Every report ends the process with an error, so the test that made it fails. The suppression
# files beside this one hold only faults inside system libraries, each with its reason.
sanitize_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# Leak checking is on at exit; stack use after return and initialisation order are checked too;
# a string function reading a buffer is checked to its whole length.
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:strict_string_checks=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$sanitize_dir/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
unset sanitize_dir
