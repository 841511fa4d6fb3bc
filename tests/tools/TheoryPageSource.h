// The smallest source of a theory page that the program's page classes accept: the members and
// handlers every theory page has. Tests add their lines after it.
#pragma once

#include <string>

namespace apostila::tools {

inline const std::string kTheoryPage =
    "TForm5 Form5\n"                       // 1
    "  OnActivate: FormActivate\n"         // 2
    "  TPanel Panel1\n"                    // 3
    "    TSpeedButton SpeedButton3\n"      // 4
    "      OnClick: SpeedButton3Click\n"   // 5
    "    TSpeedButton SpeedButton1\n"      // 6
    "      OnClick: SpeedButton1Click\n"   // 7
    "    TSpeedButton SpeedButton2\n"      // 8
    "      OnClick: SpeedButton2Click\n";  // 9

}  // namespace apostila::tools
