# The sanitizer build: every target, the program, its tools and every test, compiled and linked
# with AddressSanitizer (leak checking included) and UndefinedBehaviorSanitizer, any report
# ending the process. scripts/run-tests builds it as a second tree beside the normal one.
set(APOSTILA_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
option(APOSTILA_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(APOSTILA_SANITIZE)
  add_compile_options(${APOSTILA_SANITIZE_FLAGS})
  add_link_options(${APOSTILA_SANITIZE_FLAGS})
endif()
