#include "ui/PlacementForm.h"

#include <cstdlib>

#include "base/Trim.h"
#include "base/resource.h"

namespace {

// A whole number written alone (blanks around it allowed).
bool wholeNumber(const std::string& typed, int64_t& value) {
    const std::string text = trim(typed);
    if (text.empty() || text.size() > 9)
        return false;
    char* end = nullptr;
    value = std::strtoll(text.c_str(), &end, 10);
    return *end == '\0';
}

FormCheck notANumber(int control) {
    return FormCheck::refuse("Se debe escribir un n\xFAmero entero", control);
}

std::string between(int64_t low, int64_t high) {
    return "El valor debe estar entre " + std::to_string(low) + " y " + std::to_string(high);
}

}  // namespace

PlacementForm::PlacementForm(const Rect& box, size_t count, int32_t pageWidth, int32_t pageHeight)
    : box_(box), count_(count), pageWidth_(pageWidth), pageHeight_(pageHeight) {}

std::string PlacementForm::text(int control) const {
    switch (control) {
    case IDC_POSICION_IZQUIERDA: return std::to_string(box_.left);
    case IDC_POSICION_ARRIBA: return std::to_string(box_.top);
    case IDC_POSICION_ANCHO: return std::to_string(static_cast<int64_t>(box_.right) - box_.left);
    case IDC_POSICION_ALTO: return std::to_string(static_cast<int64_t>(box_.bottom) - box_.top);
    default: return "";
    }
}

// The start on the page, and the length no less than a pixel and no further
// than the page's edge; a group's box must fit as it is.
FormCheck PlacementForm::checkAxis(int64_t start, int64_t length, int32_t limit, int startControl,
                                   int lengthControl) const {
    const int64_t lastStart = limit - (sizeTyped() ? 1 : length);
    if (lastStart < 0)
        return FormCheck::refuse("La selecci\xF3n no cabe en la p\xE1gina", startControl);
    if (start < 0 || start > lastStart)
        return FormCheck::refuse(between(0, lastStart), startControl);
    if (sizeTyped() && (length < 1 || start + length > limit))
        return FormCheck::refuse(between(1, limit - start), lengthControl);
    return FormCheck::ok();
}

FormCheck PlacementForm::accept(const std::string& left, const std::string& top, const std::string& width,
                                const std::string& height) {
    int64_t x = 0, y = 0;
    int64_t w = static_cast<int64_t>(box_.right) - box_.left, h = static_cast<int64_t>(box_.bottom) - box_.top;
    if (!wholeNumber(left, x))
        return notANumber(IDC_POSICION_IZQUIERDA);
    if (!wholeNumber(top, y))
        return notANumber(IDC_POSICION_ARRIBA);
    if (sizeTyped() && !wholeNumber(width, w))
        return notANumber(IDC_POSICION_ANCHO);
    if (sizeTyped() && !wholeNumber(height, h))
        return notANumber(IDC_POSICION_ALTO);
    FormCheck check = checkAxis(x, w, pageWidth_, IDC_POSICION_IZQUIERDA, IDC_POSICION_ANCHO);
    if (check.accepted)
        check = checkAxis(y, h, pageHeight_, IDC_POSICION_ARRIBA, IDC_POSICION_ALTO);
    if (check.accepted)
        box_ = Rect{static_cast<int32_t>(x), static_cast<int32_t>(y), static_cast<int32_t>(x + w),
                    static_cast<int32_t>(y + h)};
    return check;
}
