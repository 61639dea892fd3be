# Sanitizer settings for the sanitized build, its tests, the game they start
# and the generators the build runs. Sourced by scripts/sanitize.sh and
# scripts/fuzz.sh.
sanitizers="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1"
# Mesa's software GL driver, preloaded into the sanitized tests only (see
# lsan.supp): unloaded at exit, its leaks would have no name to suppress.
glDriver="$(ls /usr/lib/*/dri/swrast_dri.so /usr/lib/dri/swrast_dri.so 2> /dev/null | head -n 1 || true)"
