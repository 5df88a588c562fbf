// The position and size dialog: the selected regions' box typed in picture pixels.
// One region takes left, top, width and height; several take the left and
// top of their box and move together. Portable: the dialog is only glue.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/FormCheck.h"
#include "model/Region.h"

class PlacementForm {
public:
    // `box`: the selection's box now; `count`: how many regions it holds.
    PlacementForm(const Rect& box, size_t count, int32_t pageWidth, int32_t pageHeight);

    // Width and height are typed only for a region alone.
    bool sizeTyped() const { return count_ == 1; }
    // The four values as the dialog first shows them.
    std::string text(int control) const;

    // Reads the typed values (width and height only when sizeTyped()) and
    // checks them against the page; the refusal names the field to focus.
    FormCheck accept(const std::string& left, const std::string& top, const std::string& width,
                     const std::string& height);
    // The box after accept: where the selection goes.
    const Rect& box() const { return box_; }

private:
    FormCheck checkAxis(int64_t start, int64_t length, int32_t limit, int startControl, int lengthControl) const;

    Rect box_;
    size_t count_;
    int32_t pageWidth_;
    int32_t pageHeight_;
};
