#pragma once
// A print canvas that keeps every call with its arguments, one line each, and answers font
// heights and the page height as a printer of `dpi` dots per inch would.
#include "core/print_canvas.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace filmeria::testing {

class RecordingCanvas final : public PrintCanvas {
public:
    explicit RecordingCanvas(int dpi = 600, int pageHeight = 6814)
        : dpi_(dpi)
        , pageHeight_(pageHeight) {}

    void reselectPrinter() override { calls.push_back("reselect"); }
    void askForColour() override { calls.push_back("colour"); }
    void setOrientation(PageOrientation o) override {
        calls.push_back(o == PageOrientation::Portrait ? "portrait" : "landscape");
    }
    void beginDocument() override { calls.push_back("begin"); }
    void useTenthsOfMillimetre() override { calls.push_back("lometric"); }
    void setTextAlignment(TextAlignment a) override {
        calls.push_back(a == TextAlignment::Right ? "align right" : "align left");
    }
    void setFont(const CanvasFont& f) override {
        font_ = f;
        std::string line = "font " + f.name + (f.sizeIn == CanvasFont::Size::Points ? " pt " : " cell ") +
                           std::to_string(f.size);
        if (f.bold)
            line += " bold";
        if (f.italic)
            line += " italic";
        if (f.underline)
            line += " underline";
        calls.push_back(line);
    }
    int fontHeight() const override {
        if (font_.sizeIn == CanvasFont::Size::CellHeight)
            return font_.size;
        return -static_cast<int>(std::lround(font_.size * dpi_ / 72.0));
    }
    void textOut(int x, int y, std::string_view text) override {
        calls.push_back("text " + std::to_string(x) + "," + std::to_string(y) + " " + std::string(text));
    }
    void rectangle(int x1, int y1, int x2, int y2) override {
        calls.push_back("rect " + std::to_string(x1) + "," + std::to_string(y1) + "," + std::to_string(x2) +
                        "," + std::to_string(y2));
    }
    void fillRectangle(int x1, int y1, int x2, int y2, std::uint32_t rgb) override {
        char colour[8];
        std::snprintf(colour, sizeof colour, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
        calls.push_back("fill " + std::to_string(x1) + "," + std::to_string(y1) + "," + std::to_string(x2) +
                        "," + std::to_string(y2) + " " + colour);
    }
    void drawPicture(int x, int y, PrintPicture) override {
        calls.push_back("picture reel " + std::to_string(x) + "," + std::to_string(y));
    }
    int pageHeight() const override { return pageHeight_; }
    void newPage() override { calls.push_back("page"); }
    void endDocument() override { calls.push_back("end"); }

    // The calls that start with `prefix`, in order.
    std::vector<std::string> starting(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& c : calls) {
            if (c.rfind(prefix, 0) == 0)
                out.push_back(c);
        }
        return out;
    }

    std::vector<std::string> calls;

private:
    int dpi_;
    int pageHeight_;
    CanvasFont font_;
};

} // namespace filmeria::testing
