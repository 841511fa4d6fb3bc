// Name lookups, the class registry and the standard identifier tables.
#include "ui/TypeInfo.h"

#include <algorithm>
#include <vector>

#include "ui/Color.h"

namespace apostila::ui {

namespace {
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::vector<const TypeInfo*>& registry() {
  static std::vector<const TypeInfo*> classes;
  return classes;
}
}  // namespace

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

const IdentEntry* IdentTable::findName(std::string_view name) const {
  for (const auto& e : entries)
    if (sameName(e.name, name)) return &e;
  return nullptr;
}

const IdentEntry* IdentTable::findValue(std::int32_t value) const {
  for (const auto& e : entries)
    if (e.value == value) return &e;
  return nullptr;
}

int EnumType::find(std::string_view member) const {
  for (std::size_t i = 0; i < members.size(); ++i)
    if (sameName(members[i], member)) return static_cast<int>(i);
  return -1;
}

bool PropInfo::writable() const {
  switch (kind) {
    case PropKind::Integer: case PropKind::Char: case PropKind::Enum: case PropKind::Set:
    case PropKind::Int64:
      return setInteger != nullptr;
    case PropKind::Float: return setFloat != nullptr;
    case PropKind::String: return setString != nullptr;
    case PropKind::Object: return object != nullptr;
    case PropKind::Reference: return setReference != nullptr;
    case PropKind::Event: return setEvent != nullptr;
  }
  return false;
}

const PropInfo* TypeInfo::findProperty(std::string_view name) const {
  const std::uint32_t hash = nameHash(name);
  for (const TypeInfo* t = this; t; t = t->parent) {
    auto it = std::lower_bound(t->props.begin(), t->props.end(), hash,
                               [](const PropInfo& p, std::uint32_t h) { return p.hash < h; });
    // Two names may share a hash: the name itself decides among them.
    for (; it != t->props.end() && it->hash == hash; ++it)
      if (sameName(it->name, name)) return &*it;
  }
  return nullptr;
}

const DefinedProp* TypeInfo::findDefined(std::string_view name) const {
  for (const TypeInfo* t = this; t; t = t->parent)
    for (const auto& d : t->defined)
      if (sameName(d.name, name)) return &d;
  return nullptr;
}

bool TypeInfo::inheritsFrom(const TypeInfo& other) const {
  for (const TypeInfo* t = this; t; t = t->parent)
    if (t == &other) return true;
  return false;
}

void registerClass(const TypeInfo& type) {
  for (const TypeInfo* t : registry())
    if (t == &type) return;
  registry().push_back(&type);
}

const TypeInfo* findRegisteredClass(std::string_view className) {
  for (const TypeInfo* t : registry())
    if (sameName(t->className, className)) return t;
  return nullptr;
}

namespace {
constexpr std::string_view kBooleanNames[] = {"False", "True"};

constexpr IdentEntry kColors[] = {
    {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive},
    {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray},
    {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
    {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua}, {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen}, {"clSkyBlue", clSkyBlue}, {"clCream", clCream},
    {"clMedGray", clMedGray},
    {"clScrollBar", clScrollBar}, {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption}, {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu}, {"clWindow", clWindow}, {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText}, {"clWindowText", clWindowText}, {"clCaptionText", clCaptionText},
    {"clActiveBorder", clActiveBorder}, {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace}, {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText}, {"clBtnFace", clBtnFace}, {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText}, {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText}, {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow}, {"cl3DLight", cl3DLight}, {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk}, {"clHotLight", clHotLight},
    {"clGradientActiveCaption", clGradientActiveCaption},
    {"clGradientInactiveCaption", clGradientInactiveCaption},
    {"clMenuHighlight", clMenuHighlight}, {"clMenuBar", clMenuBar},
    {"clNone", clNone}, {"clDefault", clDefault},
};

constexpr IdentEntry kCharsets[] = {
    {"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}, {"SYMBOL_CHARSET", 2}, {"MAC_CHARSET", 77},
    {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129}, {"JOHAB_CHARSET", 130},
    {"GB2312_CHARSET", 134}, {"CHINESEBIG5_CHARSET", 136}, {"GREEK_CHARSET", 161},
    {"TURKISH_CHARSET", 162}, {"HEBREW_CHARSET", 177}, {"ARABIC_CHARSET", 178},
    {"BALTIC_CHARSET", 186}, {"RUSSIAN_CHARSET", 204}, {"THAI_CHARSET", 222},
    {"EASTEUROPE_CHARSET", 238}, {"OEM_CHARSET", 255},
};

constexpr IdentEntry kCursors[] = {
    {"crDefault", 0}, {"crNone", -1}, {"crArrow", -2}, {"crCross", -3}, {"crIBeam", -4},
    {"crSizeNESW", -6}, {"crSizeNS", -7}, {"crSizeNWSE", -8}, {"crSizeWE", -9},
    {"crUpArrow", -10}, {"crHourGlass", -11}, {"crDrag", -12}, {"crNoDrop", -13},
    {"crHSplit", -14}, {"crVSplit", -15}, {"crMultiDrag", -16}, {"crSQLWait", -17}, {"crNo", -18},
    {"crAppStart", -19}, {"crHelp", -20}, {"crHandPoint", -21}, {"crSizeAll", -22},
};
}  // namespace

const EnumType kBooleanType{"Boolean", kBooleanNames};
const IdentTable kColorIdents{kColors};
const IdentTable kCharsetIdents{kCharsets};
const IdentTable kCursorIdents{kCursors};

}  // namespace apostila::ui
