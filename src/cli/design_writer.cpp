#include "cli/design_writer.h"

#include <cstdio>
#include <string_view>

#include "cli/colour_text.h"

namespace brontel {
namespace {

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

const char* boolean(bool value) {
    return value ? "true" : "false";
}

// Members of one object, one per line, at a given indentation.
class ObjectWriter {
public:
    explicit ObjectWriter(int depth) : indent_(static_cast<std::size_t>(depth) * 2, ' ') {}

    void add(std::string_view key, const std::string& json) {
        text_ += (text_.empty() ? "{\n" : ",\n") + indent_ + quoted(key) + ": " + json;
    }
    std::string close() const {
        return text_.empty() ? "{}" : text_ + "\n" + indent_.substr(2) + "}";
    }

private:
    std::string indent_;
    std::string text_;
};

std::string fontJson(const std::optional<FontSpec>& font, int depth) {
    if (!font) return "null";
    ObjectWriter object(depth);
    object.add("name", quoted(font->name));
    object.add("size", std::to_string(font->size));
    object.add("bold", boolean(font->bold));
    object.add("italic", boolean(font->italic));
    object.add("underline", boolean(font->underline));
    object.add("strikeout", boolean(font->strikeout));
    object.add("angle", std::to_string(font->angle));
    return object.close();
}

std::string stateJson(const StateDesign& state, int depth) {
    const FaceStyle& f = state.face;
    ObjectWriter object(depth);
    object.add("caption", quoted(f.caption()));
    object.add("textEffect", std::to_string(f.textEffect()));
    object.add("border", std::to_string(f.border()));
    object.add("frameWidth", std::to_string(f.frameWidth()));
    object.add("frameColour1", quoted(colourText(f.frameColour1())));
    object.add("frameColour2", quoted(colourText(f.frameColour2())));
    object.add("frameColour3", quoted(colourText(f.frameColour3())));
    object.add("font", fontJson(f.font(), depth + 1));
    object.add("textColour", quoted(colourText(f.textColour())));
    object.add("backColour", quoted(colourText(f.backColour())));
    object.add("picture", quoted(state.picturePath));
    object.add("pictureMode", std::to_string(f.pictureMode()));
    object.add("gradientMode", std::to_string(f.gradientMode()));
    object.add("gradientColour1", quoted(colourText(f.gradientColour1())));
    object.add("gradientColour2", quoted(colourText(f.gradientColour2())));
    object.add("gradientColour3", quoted(colourText(f.gradientColour3())));
    object.add("hAlign", std::to_string(f.hAlign()));
    object.add("wordWrap", std::to_string(f.wordWrap()));
    object.add("vAlign", std::to_string(f.vAlign()));
    object.add("canvasColour", quoted(colourText(state.canvasColour)));
    return object.close();
}

}  // namespace

std::string writeDesign(const Design& design) {
    ObjectWriter root(1);
    root.add("width", std::to_string(design.width));
    root.add("height", std::to_string(design.height));
    root.add("cornerDiameter", std::to_string(design.cornerDiameter));
    for (ButtonState state : kButtonStates) {
        root.add(kStateKeys[indexOf(state)], stateJson(design.states[indexOf(state)], 2));
    }
    return root.close() + "\n";
}

}  // namespace brontel
