// apostila-pages: the course author's tool for page definitions.
//   compile SOURCE OUT [-I DIR]... [--values FILE]
//                                    page source to definition (no output on error); a page
//                                    on a frame finds it in the frames/ folder beside it; {name}
//                                    in its strings takes the named value's text from FILE
//   dump DEFINITION                  definition back to a self-contained page source
//   dump DEFINITION --frame FRAME [-I DIR]...
//                                    the short form on a frame: what differs from it
//   json DEFINITION                  element tree as JSON
//   extract DIR                      the definitions embedded in this program, one file each
#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"
#include "PageTool.h"

int main(int argc, char** argv) {
  using namespace apostila::tools;
  return runTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                 ExtraCommands{extraUsage(), runExtraCommand});
}
