# The sanitizer build: every target, the program, its tools and every test, compiled and linked
# with AddressSanitizer (leak checking included) and UndefinedBehaviorSanitizer, any report
# ending the process. scripts/run-tests builds it as a second tree beside the normal one and runs
# it with the suppressions in tests/sanitize/.
set(APOSTILA_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
option(APOSTILA_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(APOSTILA_SANITIZE)
  add_compile_options(${APOSTILA_SANITIZE_FLAGS})
  add_link_options(${APOSTILA_SANITIZE_FLAGS})
  # -O1 with line tables only: the instrumented code compiles and links in about half the time
  # of -O2 -g, runs nearly as fast, and its reports still name file and line. These come after
  # the build type's flags, so they win.
  add_compile_options(-O1 -g1)
  # The instrumentation hides from GCC what the standard library's inlined code initialises,
  # and it then warns "may be used uninitialized" inside <regex> and <functional>; the normal
  # build keeps the warning.
  add_compile_options(-Wno-maybe-uninitialized)
endif()
