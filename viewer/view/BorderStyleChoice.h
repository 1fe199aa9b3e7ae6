#pragma once

#include "base/BorderPattern.h"
#include "base/ColorValue.h"
#include "base/Image.h"
#include "base/Rect.h"
#include "view/SystemColors.h"

#include <array>
#include <string_view>

namespace orvd {

// Item captions of the border dialog's list, in code order.
inline constexpr std::array<std::string_view, 7> kBorderStyleCaptions = {
    "Solid", "Horizontal", "Vertical", "Cross", "Diagonal 1", "Diagonal 2", "Diagonal Cross"};

// A w x h picture of `pattern` for an item of the pattern list: the pattern's lines (or, for
// Solid, everything) in `ink` on `background`, with the border's hatch rules.
Image PatternSwatch(BorderPattern pattern, int w, int h, Pixel ink, Pixel background);

// The border dialog's working copies and its example picture. It starts from the main window's
// values and changes them only in CopyBack (OK); dropping it is the cancel.
class BorderStyleChoice {
public:
    static constexpr int kExampleSize = 97;

    // The example starts in `background`, the colour of the box before anything is drawn.
    BorderStyleChoice(ColorValue borderColor, BorderPattern borderStyle, Pixel background);

    ColorValue ChosenColor() const { return chosenColor_; }
    BorderPattern ChosenPattern() const { return chosenPattern_; }
    void SetChosenColor(ColorValue colour) { chosenColor_ = colour; }

    // The item of the pattern list that shows ChosenPattern: its border-style code.
    int SelectedItem() const { return CodeFromPattern(chosenPattern_); }
    // The pattern of item `index`; an index outside the list gives DiagonalCross.
    void SelectItem(int index) { chosenPattern_ = PatternFromCode(index); }

    // OK: the main window's values become the working copies.
    void CopyBack(ColorValue& borderColor, BorderPattern& borderStyle) const;

    // The example box's picture, kExampleSize square, its (0, 0) the box's top-left corner.
    const Image& Example() const { return example_; }
    // Fills `area` (box coordinates, cut to the box) with the chosen colour and pattern on top
    // of what the example shows: a hatch leaves the pixels between its lines as they were. The
    // colour "none" draws nothing.
    void DrawExample(const Rect& area, const SystemColorTable& colors);
    // A repaint of the box: its background first, then DrawExample.
    void RepaintExample(const Rect& area, Pixel background, const SystemColorTable& colors);

private:
    ColorValue chosenColor_;
    BorderPattern chosenPattern_;
    Image example_;
};

} // namespace orvd
