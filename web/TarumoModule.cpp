// The web page's module: its glyph libraries and its conversion, bound for the page's script.
// One options object in, one result object out; texts cross in UTF-8 (embind's strings), bytes
// as Uint8Array.
//
//   loadGlyphPack(bytes)        the shipped library, unzipped; the number of its glyph files
//   addReaderGlyph(name, bytes) a file of the reader's folder ("data/あ.txt"); false for a name
//                               that is not in ext, low, up or data
//   clearReaderGlyphs()
//   convert(options)            {text, missing, error, posts: [{text, bytes, lines}]}
//   textFile(options, shiftJis) the giant text as a file: Shift-JIS with CR LF, or UTF-8 as
//                               tarumo2-cli writes it
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <string_view>

#include "web/GlyphFolders.h"
#include "web/PageConversion.h"

namespace tarumo::web {
namespace {

using emscripten::val;

GlyphFolders& Folders() {
  static GlyphFolders folders;
  return folders;
}

std::string BytesOf(const val& array) {
  std::string bytes(array["length"].as<std::size_t>(), '\0');
  val(emscripten::typed_memory_view(bytes.size(), bytes.data())).call<void>("set", array);
  return bytes;
}

val Uint8ArrayOf(const std::string& bytes) {
  return val::global("Uint8Array")
      .new_(emscripten::typed_memory_view(bytes.size(),
                                          reinterpret_cast<const unsigned char*>(bytes.data())));
}

// A JavaScript string of UTF-8 text, read by the browser's TextDecoder straight from the
// module's memory: embind's own reading of a std::string looks at every byte in JavaScript,
// which takes longer than the conversion for a long giant text.
val StringOf(const std::string& utf8) {
  static const val decoder = val::global("TextDecoder").new_(std::string("utf-8"));
  return decoder.call<val>(
      "decode", emscripten::typed_memory_view(utf8.size(),
                                              reinterpret_cast<const unsigned char*>(utf8.data())));
}

struct ConvertResult {
  val text = val::undefined();  // the lines joined by LF
  std::string missing;
  std::string error;
  val posts = val::array();
};

int LoadGlyphPack(const val& bytes) {
  return static_cast<int>(Folders().shipped().AddPack(BytesOf(bytes)));
}

bool AddReaderGlyph(const std::string& name, const val& bytes) {
  for (const char* folder : {"ext/", "low/", "up/", "data/"}) {
    if (name.starts_with(folder) &&
        name.find('/', std::string(folder).size()) == std::string::npos) {
      Folders().readers().Add(name, BytesOf(bytes));
      return true;
    }
  }
  return false;
}

void ClearReaderGlyphs() {
  Folders().readers().Clear();
}

// The length in UTF-16 units, a JavaScript string's, of UTF-8 text.
std::size_t Utf16Length(std::string_view utf8) {
  std::size_t length = 0;
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) != 0x80) length += (byte & 0xF8) == 0xF0 ? 2 : 1;  // four bytes: a pair
  }
  return length;
}

ConvertResult Convert(const PageOptions& options) {
  PageResult page = ConvertPage(options, Folders());
  ConvertResult result{StringOf(page.text), std::move(page.missing), std::move(page.error)};
  // Each post is sliced from the page's string: its bytes' offsets become string indexes by
  // one walk through the text.
  const std::string_view text = page.text;
  std::size_t byte = 0;
  std::size_t index = 0;
  const auto indexAt = [&](std::size_t offset) {
    index += Utf16Length(text.substr(byte, offset - byte));
    byte = offset;
    return static_cast<double>(index);
  };
  for (const PagePost& post : page.posts) {
    const double begin = indexAt(post.begin);
    const double end = indexAt(post.end);
    val entry = val::object();
    entry.set("text", result.text.call<val>("substring", begin, end));
    entry.set("bytes", static_cast<double>(post.size.bytes));
    entry.set("lines", static_cast<double>(post.size.lines));
    result.posts.call<void>("push", entry);
  }
  return result;
}

val TextFileOf(const PageOptions& options, bool shiftJis) {
  const TextEncoding encoding = shiftJis ? TextEncoding::kShiftJis : TextEncoding::kUtf8;
  return Uint8ArrayOf(TextFile(ConvertPage(options, Folders(), encoding).text, encoding));
}

}  // namespace
}  // namespace tarumo::web

EMSCRIPTEN_BINDINGS(tarumo) {
  using namespace tarumo::web;
  emscripten::value_object<PageOptions>("PageOptions")
      .field("text", &PageOptions::text)
      .field("blank", &PageOptions::blankLine)
      .field("width", &PageOptions::width)
      .field("postBytes", &PageOptions::postBytes)
      .field("postLines", &PageOptions::postLines);
  emscripten::value_object<ConvertResult>("ConvertResult")
      .field("text", &ConvertResult::text)
      .field("missing", &ConvertResult::missing)
      .field("error", &ConvertResult::error)
      .field("posts", &ConvertResult::posts);
  emscripten::function("loadGlyphPack", &LoadGlyphPack);
  emscripten::function("addReaderGlyph", &AddReaderGlyph);
  emscripten::function("clearReaderGlyphs", &ClearReaderGlyphs);
  emscripten::function("convert", &Convert);
  emscripten::function("textFile", &TextFileOf);
}
