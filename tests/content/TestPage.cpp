// Tables of the reader tests' page class.
#include "TestPage.h"

#include "ui/PageClass.h"

namespace apostila::testing {

const ui::TypeInfo ProbeLabel::kType{"TProbeLabel", &content::TLabel::kType, {}, true,
                                     [](ui::Component& o) -> ui::Component* { return new ProbeLabel(&o); }};
const ui::TypeInfo ProbePanel::kType{"TProbePanel", &content::TPanel::kType, {}, true,
                                     [](ui::Component& o) -> ui::Component* { return new ProbePanel(&o); }};

namespace {
using namespace ui::page;
const ui::MemberInfo kMembers[] = {
    member<&TTestPage::Label1>("Label1"),   member<&TTestPage::Panel1>("Panel1"),
    member<&TTestPage::Button1>("Button1"), member<&TTestPage::Image1>("Image1"),
    member<&TTestPage::Probe1>("Probe1"),   member<&TTestPage::ProbePanel1>("ProbePanel1"),
};
const ui::HandlerInfo kHandlers[] = {
    handler<&TTestPage::FormActivate>("FormActivate"),
    handler<&TTestPage::Button1Click>("Button1Click"),
    handler<&TTestPage::FormClose>("FormClose"),
};
}  // namespace

const ui::PageClassInfo TTestPage::kClass{"TTestPage", &ui::Form::kPageClass, kMembers, kHandlers};

}  // namespace apostila::testing
