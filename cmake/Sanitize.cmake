# Flags for the sanitizer builds of the readers' tests.
set(APOSTILA_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
