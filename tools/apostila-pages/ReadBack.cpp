// A stand-in page for reading a definition back in the tool.
#include "ReadBack.h"

#include <deque>
#include <vector>

#include "Compiler.h"
#include "content/DefinitionReader.h"
#include "content/ReadError.h"
#include "ui/Form.h"

namespace apostila::tools {

namespace {

void noBind(ui::Form&, ui::Component*) {}
void notify(ui::Component&, ui::Component*) {}
void close(ui::Component&, ui::Component*, ui::CloseAction&) {}
void closeQuery(ui::Component&, ui::Component*, bool&) {}

ui::HandlerFn handlerOf(ui::EventSignature s) {
  switch (s) {
    case ui::EventSignature::Close: return ui::CloseHandler{&close};
    case ui::EventSignature::CloseQuery: return ui::CloseQueryHandler{&closeQuery};
    case ui::EventSignature::Notify: break;
  }
  return ui::NotifyHandler{&notify};
}

// The class tables of a page class, copied with members that bind nothing.
class ProbeClass {
 public:
  ProbeClass(const ui::PageClassInfo* real, const SourceElement& root) {
    if (!real) {
      collectHandlers(root, true);
      classes_.push_back({"TForm", nullptr, {}, handlers_});
      return;
    }
    std::vector<const ui::PageClassInfo*> chain;
    for (const ui::PageClassInfo* c = real; c; c = c->parent) chain.push_back(c);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
      auto& members = members_.emplace_back((*it)->members.begin(), (*it)->members.end());
      for (ui::MemberInfo& m : members) m.bind = &noBind;
      classes_.push_back({(*it)->className, classes_.empty() ? nullptr : &classes_.back(), members, (*it)->handlers});
    }
  }
  const ui::PageClassInfo& info() const { return classes_.back(); }

 private:
  void collectHandlers(const SourceElement& e, bool root) {
    const ui::TypeInfo* type = recordType(e.kind, root);
    for (const SourceProperty& p : e.properties) {
      if (!type || p.value.kind != SourceValue::Kind::Ident) continue;
      std::string why;
      PropertyTarget t = resolvePath(*type, p.path, why);
      if (!t.prop || t.prop->kind != ui::PropKind::Event) continue;
      names_.push_back(p.value.text);
      handlers_.push_back({names_.back(), handlerOf(t.prop->signature)});
    }
    for (const SourceElement& c : e.children) collectHandlers(c, false);
  }

  std::deque<std::string> names_;
  std::vector<ui::HandlerInfo> handlers_;
  std::deque<std::vector<ui::MemberInfo>> members_;
  std::deque<ui::PageClassInfo> classes_;
};

class ProbePage : public ui::Form {
 public:
  explicit ProbePage(const ui::PageClassInfo& info) : ui::Form(nullptr), info_(info) {}
  const ui::PageClassInfo& pageClass() const override { return info_; }

 private:
  const ui::PageClassInfo& info_;
};

}  // namespace

std::optional<ReadBackFailure> readBack(std::span<const std::uint8_t> definition, const SourceElement& root,
                                        const ui::PageClassInfo* pageClass) {
  ProbeClass probe(pageClass, root);
  ProbePage page(probe.info());
  std::size_t at = 0;
  try {
    content::readDefinition(definition, page, &at);
  } catch (const content::ReadError& e) {
    return ReadBackFailure{e.what(), at};
  }
  return std::nullopt;
}

}  // namespace apostila::tools
