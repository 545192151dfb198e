# One interface target with the warnings and the sanitizer switches that every
# target of the project links.
add_library(cfq_options INTERFACE)
target_compile_options(cfq_options INTERFACE
  -Wall -Wextra -Wshadow -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual
  -Wcast-align -Wunused -Wnull-dereference -Wdouble-promotion -Wformat=2)
if(CFQ_SANITIZE)
  target_compile_options(cfq_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(cfq_options INTERFACE -fsanitize=address,undefined)
endif()
