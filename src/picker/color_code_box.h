#pragma once

#include "model/code_template.h"
#include "model/color.h"
#include "model/color_codes.h"
#include "model/custom_format.h"
#include "storage/property_bindings.h"

#include <QObject>
#include <QString>

#include <array>
#include <vector>

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QWidget;

namespace pigmentrix {

class ColorPipeline;
class ErrorGuard;
class PickerDialogs;

// The colour code box: the current colour as a code in the chosen notation,
// copying it, reading a typed code back, and the notation menu. The user's
// own formats follow the built-in notations in the list and the menu, from
// index NotationCount on.
class ColorCodeBox : public QObject {
    Q_OBJECT

public:
    ColorCodeBox(QWidget *window, ColorPipeline &pipeline, PickerDialogs &dialogs, const ErrorGuard &guard);

    // "Color Code Display" with its notations.
    void addNotationMenu(QMenu *menu);
    // "Uppercase Color Codes".
    void addCaseItem(QMenu *menu);
    void setUpperCase(bool upper);
    bool upperCase() const { return UseUpperCase; }
    std::vector<PropertyBinding> storedProperties();
    // The user's own formats, usable ones only; set before the stored
    // notation index comes back, so that an index among them is kept.
    void setCustomFormats(const std::vector<CustomFormat> &formats);
    const std::vector<CustomFormat> &customFormats() const { return formats; }

    // mcolor as a code in the chosen notation at the present alpha.
    QString getcolorstring(TColor mcolor) const;
    // Shows the code of color.
    void showCode(TColor color);
    // Puts the shown code on the clipboard.
    void copyCode();
    // The first shown window has the keyboard focus on Copy.
    void focusCopyButton();
    bool stepByWheel(QWidget *target, bool up);

    // The notation list's choice, also when the custom formats changed it.
    void cbxDisplayChange();

signals:
    // Another notation is chosen: codes shown elsewhere follow it.
    void notationChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The colour of a typed code, and its alpha where the notation has one.
    ParsedColorCode translatecolor(const QString &cColor) const;
    void btnSetClick();
    void HTMLHex1Click(int notation);
    void btnCopyClick();
    void UpperCaseColorCodes1Click();
    // "Custom Formats...".
    void CustomFormats1Click();

    void keepFirstLine(const QString &text);
    void fitDropDown();
    void addCustomItems();
    void applyEditedFormats(const std::vector<CustomFormat> &edited, const std::vector<int> &origins);
    // The template of the chosen notation when it is a custom format.
    const CodeTemplate *chosenTemplate() const;

    QWidget *window;
    ColorPipeline &pipeline;
    PickerDialogs &dialogs;
    const ErrorGuard &guard;
    bool UseUpperCase = true;

    QWidget *pnlColorCode = nullptr;
    QComboBox *cbxDisplay = nullptr;
    QLineEdit *edtColor = nullptr;
    QPushButton *btnCopy = nullptr;
    QPushButton *btnSet = nullptr;
    QAction *UpperCaseColorCodes1 = nullptr;
    std::array<QAction *, NotationCount> colorDisplayItems{};
    QMenu *colorDisplay = nullptr;
    QAction *NCustomFormats = nullptr;
    QAction *CustomFormats1 = nullptr;
    std::vector<QAction *> customItems;
    std::vector<CustomFormat> formats;
    std::vector<CodeTemplate> templates;
};

} // namespace pigmentrix
