// The side table of the page pictures: each picture's twin, drawn again at twice the size for
// screens of twice the density, carried compressed beside the definitions and decoded only when a
// page at that density asks for it, and its description for a screen reader. Nothing is kept
// decoded here: the caller owns what find returns for as long as its page shows it.
//
//   const PictureTwins& twins = PictureTwins::carried();
//   if (auto bmp = twins.find("TForm22", "Image1")) picture = Bitmap::decode(*bmp);
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace apostila::content {

class PictureTwins {
 public:
  PictureTwins() = default;  // no twins
  // Reads the table of a packed set; throws ReadError ("Invalid stream format", "Stream read
  // error") for bytes that are not one. The bytes must outlive this object.
  explicit PictureTwins(std::span<const std::uint8_t> packed);

  // The set the program carries; empty where the program was built without one.
  static const PictureTwins& carried();
  // Makes the carried set the source of twins that pictures ask for above scale 1
  // (TwinSource.h). Opening the set waits for the first such picture, so a start at one to one
  // never reads it.
  static void installCarried();

  bool empty() const { return byElement_.empty(); }
  std::size_t size() const { return byElement_.size(); }
  // The twin's BMP file for the element of that page class, decompressed; nothing where the
  // element has no twin. Throws ReadError for a twin whose stored bytes do not decompress to
  // its size.
  std::optional<std::vector<std::uint8_t>> find(const std::string& pageClass, const std::string& element) const;
  // What the picture shows, in words, for a screen reader; empty where the element shows no
  // picture of the set.
  std::string description(const std::string& pageClass, const std::string& element) const;

 private:
  struct Twin {
    std::span<const std::uint8_t> stored;
    std::uint32_t size;
    std::string description;
  };
  std::vector<Twin> twins_;
  std::map<std::string, std::size_t> byElement_;  // "TForm22.Image1" -> twin
};

}  // namespace apostila::content
