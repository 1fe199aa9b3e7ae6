#include "view/qt/ColorChooser.h"

#include "base/qt/Dialogs.h"

#include <QColorDialog>

namespace orvd {

std::optional<ColorValue> ChooseColor(QWidget* owner, ColorValue current,
                                      const SystemColorTable& colors) {
    const Pixel preset =
        PixelFromColorValue(current, colors).value_or(PixelFromBgr(current & 0x00FFFFFFu));
    QColorDialog dialog(owner);
    dialog.setObjectName("ColorDialog1");
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setCurrentColor(QColor::fromRgb(preset));
    if (Dialogs().ExecModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    const QColor chosen = dialog.currentColor();
    return BgrFromPixel(MakePixel(std::uint8_t(chosen.red()), std::uint8_t(chosen.green()),
                                  std::uint8_t(chosen.blue())));
}

} // namespace orvd
