// Definition to source and JSON.
#include "Dump.h"

#include <cstdio>
#include <stdexcept>

#include "ByteWriter.h"
#include "Compiler.h"
#include "PageSource.h"
#include "RawDefinition.h"
#include "content/Bitmap.h"
#include "content/ByteReader.h"
#include "content/ReadError.h"
#include "content/ValueReader.h"

namespace apostila::tools {

namespace {
using content::ValueCode;
using K = SourceValue::Kind;

std::vector<std::uint8_t> bytesOf(std::span<const std::uint8_t> s) { return {s.begin(), s.end()}; }

// The words a source reads as values of their own, not as identifiers.
bool isValueKeyword(const std::string& w) {
  for (const char* k : {"true", "false", "nil", "bitmap", "picture", "binary", "raw"})
    if (w == k) return true;
  return false;
}

// A record's prefix as the compiler writes it: the flags the source names, at least one, and a
// position in the narrowest integer code. Any other would not compile back to the same bytes, so
// a source is refused for it (the JSON view shows the tree as it is).
void checkPrefixes(const RawRecord& r) {
  for (const RawRecord& c : r.children) checkPrefixes(c);
  if (!r.prefixed) return;
  const char* why = nullptr;
  if (r.flags & ~content::kPrefixFlags)
    why = "a flag the source has no word for";
  else if (r.flags == 0)
    why = "no flag";
  else if (r.flags & content::kPrefixPosition) {
    std::vector<std::uint8_t> narrowest;
    ByteWriter(narrowest).integer(r.position);
    if (r.position < 0)
      why = "a negative position";
    else if (narrowest[0] != static_cast<std::uint8_t>(r.positionCode))
      why = "a position in a wider integer code than it needs";
  }
  if (why)
    throw SourceError("the prefix of element '" + r.name + "' has " + why + "; it cannot be written as source");
}

SourceValue rawValue(const RawProperty& p) {
  SourceValue v;
  v.kind = K::Raw;
  v.bytes = bytesOf(p.value);
  return v;
}

// The readable form of a stored value, before checking that it encodes back the same way.
SourceValue readable(const RawProperty& p, const PropertyTarget& target) {
  content::ByteReader in(p.payload);
  content::ValueReader values(in);
  SourceValue v;
  switch (p.code) {
    case ValueCode::Int8: case ValueCode::Int16: case ValueCode::Int32: case ValueCode::Int64:
      v.kind = K::Integer;
      v.integer = values.integerPayload(p.code);
      return v;
    case ValueCode::Extended:
      v.kind = K::Float;
      v.floating = values.floatPayload(p.code);
      return v;
    case ValueCode::String: case ValueCode::LString: case ValueCode::WString: case ValueCode::Utf8String:
      v.kind = K::String;
      v.text = values.stringPayload(p.code);
      return v;
    case ValueCode::Ident:
      v.kind = K::Ident;
      v.text = values.identPayload(p.code);
      // Kept as raw bytes where it cannot stand bare in a source, or would read as another value.
      if (!isSourceName(v.text) || isValueKeyword(v.text)) break;
      return v;
    case ValueCode::False: case ValueCode::True:
      v.kind = K::Boolean;
      v.boolean = p.code == ValueCode::True;
      return v;
    case ValueCode::Nil:
      v.kind = K::Nil;
      return v;
    case ValueCode::Set:
      v.kind = K::Set;
      v.members = values.setPayload();
      for (const std::string& m : v.members)
        if (!isSourceName(m)) return rawValue(p);
      return v;
    case ValueCode::Binary: {
      auto data = in.take(in.u32());
      if (target.defined && target.defined->kind == ui::DefinedKind::Bitmap) {
        content::ByteReader b(data);
        if (b.remaining() >= 4 && b.u32() == b.remaining()) {
          v.kind = K::Bitmap;
          v.bytes = bytesOf(b.take(b.remaining()));
          return v;
        }
      }
      if (target.defined && target.defined->kind == ui::DefinedKind::Picture) {
        try {
          content::ByteReader b(data);
          std::string cls = b.shortString();
          if (isSourceName(cls) && b.u32() == b.remaining()) {
            v.kind = K::Picture;
            v.text = cls;
            v.bytes = bytesOf(b.take(b.remaining()));
            return v;
          }
        } catch (const content::ReadError&) {
        }
      }
      v.kind = K::Binary;
      v.bytes = bytesOf(data);
      return v;
    }
    default:
      break;
  }
  return rawValue(p);
}

SourceElement toSource(const RawRecord& r, bool root) {
  SourceElement e;
  e.kind = r.className;
  e.name = r.name;
  e.exists = r.flags & content::kPrefixExists;
  e.isInline = r.flags & content::kPrefixInline;
  e.position = (r.flags & content::kPrefixPosition) ? r.position : -1;
  const ui::TypeInfo* type = recordType(r.className, root);
  for (const RawProperty& p : r.properties) {
    SourceProperty sp;
    sp.path = p.path;
    PropertyTarget target;
    std::string why;
    if (type) target = resolvePath(*type, p.path, why);
    SourceValue v;
    try {
      v = readable(p, target);
      // Keep the readable form only where it compiles back to exactly the stored bytes.
      if (v.kind != K::Raw && (!(target.prop || target.defined) ||
                               encodeValue(v, target) != bytesOf(p.value)))
        throw std::invalid_argument("differs");
    } catch (const std::exception&) {
      v = SourceValue{};
      v.kind = K::Raw;
      v.bytes = bytesOf(p.value);
    }
    sp.value = std::move(v);
    e.properties.push_back(std::move(sp));
  }
  for (const RawRecord& c : r.children) e.children.push_back(toSource(c, false));
  return e;
}

std::string jsonString(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    if (c == '"') out += "\\\"";
    else if (c == '\\') out += "\\\\";
    else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else out += static_cast<char>(c);
  }
  return out + "\"";
}

// Names, paths and identifiers are stored in the single-byte code page; text values arrive as
// UTF-8 already.
std::string jsonName(const std::string& s) { return jsonString(content::singleByteToUtf8(s)); }

std::string bitmapSummary(const std::vector<std::uint8_t>& bmp) {
  if (bmp.empty()) return "{\"empty\": true}";
  try {
    content::Bitmap b = content::Bitmap::decode(bmp);
    const content::BitmapHeader& h = b.header();
    return "{\"bytes\": " + std::to_string(bmp.size()) + ", \"headerSize\": " + std::to_string(h.headerSize) +
           ", \"width\": " + std::to_string(h.width) + ", \"height\": " + std::to_string(h.height) +
           ", \"planes\": " + std::to_string(h.planes) + ", \"bitCount\": " + std::to_string(h.bitCount) +
           ", \"compression\": " + std::to_string(h.compression) + ", \"imageSize\": " +
           std::to_string(h.imageSize) + ", \"colorsUsed\": " + std::to_string(h.colorsUsed) +
           ", \"pixelOffset\": " + std::to_string(h.pixelOffset) + "}";
  } catch (const content::ReadError& e) {
    return "{\"bytes\": " + std::to_string(bmp.size()) + ", \"error\": " + jsonString(e.what()) + "}";
  }
}

std::string jsonValue(const SourceValue& v) {
  switch (v.kind) {
    case K::Integer: return std::to_string(v.integer);
    case K::Float: {
      char buf[32];
      std::snprintf(buf, sizeof buf, "%.17g", v.floating);
      return buf;
    }
    case K::String: return jsonString(v.text);
    case K::Ident: return "{\"ident\": " + jsonName(v.text) + "}";
    case K::Boolean: return v.boolean ? "true" : "false";
    case K::Nil: return "null";
    case K::Set: {
      std::string out = "[";
      for (std::size_t i = 0; i < v.members.size(); ++i) out += (i ? ", " : "") + jsonName(v.members[i]);
      return out + "]";
    }
    case K::Bitmap: return "{\"bitmap\": " + bitmapSummary(v.bytes) + "}";
    case K::Picture: return "{\"picture\": " + jsonName(v.text) + ", \"bitmap\": " + bitmapSummary(v.bytes) + "}";
    case K::Binary: return "{\"binary\": " + std::to_string(v.bytes.size()) + "}";
    case K::Raw: return "{\"raw\": " + std::to_string(v.bytes.size()) + "}";
  }
  return "null";
}

void json(std::string& out, const SourceElement& e, int indent) {
  std::string pad(static_cast<std::size_t>(indent), ' ');
  out += "{\n" + pad + "  \"class\": " + jsonName(e.kind) + ",\n" + pad + "  \"name\": " + jsonName(e.name);
  if (e.position >= 0) out += ",\n" + pad + "  \"position\": " + std::to_string(e.position);
  if (e.exists) out += ",\n" + pad + "  \"inherited\": true";
  if (e.isInline) out += ",\n" + pad + "  \"inline\": true";
  out += ",\n" + pad + "  \"properties\": {";
  for (std::size_t i = 0; i < e.properties.size(); ++i)
    out += (i ? ",\n" : "\n") + pad + "    " + jsonName(e.properties[i].path) + ": " + jsonValue(e.properties[i].value);
  out += e.properties.empty() ? "}" : "\n" + pad + "  }";
  out += ",\n" + pad + "  \"children\": [";
  for (std::size_t i = 0; i < e.children.size(); ++i) {
    out += (i ? ", " : "");
    json(out, e.children[i], indent + 2);
  }
  out += "]\n" + pad + "}";
}
}  // namespace

SourceElement definitionSource(std::span<const std::uint8_t> definition) {
  const RawRecord root = parseRawDefinition(definition);
  checkPrefixes(root);
  return toSource(root, true);
}

std::string dumpSource(std::span<const std::uint8_t> definition) { return writeSource(definitionSource(definition)); }

std::string dumpJson(std::span<const std::uint8_t> definition) {
  std::string out;
  json(out, toSource(parseRawDefinition(definition), true), 0);
  return out + "\n";
}

}  // namespace apostila::tools
