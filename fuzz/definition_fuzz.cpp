// Fuzzes the page definition reader and the authoring tool's views of a definition: any input
// must either read or fail with the reader's error, never crash or read out of bounds.
#include <cstddef>
#include <cstdint>
#include <span>

#include "Dump.h"
#include "content/DefinitionReader.h"
#include "content/ReadError.h"
#include "content/TLabel.h"
#include "content/TSpeedButton.h"
#include "ui/Form.h"

namespace {

using namespace apostila;

class FuzzPage : public ui::Form {
 public:
  FuzzPage() : ui::Form(nullptr) {}
  static const ui::PageClassInfo kClass;
  const ui::PageClassInfo& pageClass() const override { return kClass; }
  content::TLabel* Label1 = nullptr;
  content::TSpeedButton* SpeedButton1 = nullptr;
  void FormActivate(ui::Component*) {}
  void SpeedButton1Click(ui::Component*) {}
};

const ui::MemberInfo kMembers[] = {ui::page::member<&FuzzPage::Label1>("Label1"),
                                   ui::page::member<&FuzzPage::SpeedButton1>("SpeedButton1")};
const ui::HandlerInfo kHandlers[] = {ui::page::handler<&FuzzPage::FormActivate>("FormActivate"),
                                     ui::page::handler<&FuzzPage::SpeedButton1Click>("SpeedButton1Click")};
const ui::PageClassInfo FuzzPage::kClass{"TForm5", &ui::Form::kPageClass, kMembers, kHandlers};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::span<const std::uint8_t> bytes(data, size);
  try {
    FuzzPage page;
    content::readDefinition(bytes, page);
  } catch (const content::ReadError&) {
  }
  try {
    (void)tools::dumpSource(bytes);
    (void)tools::dumpJson(bytes);
  } catch (const content::ReadError&) {
  }
  return 0;
}
