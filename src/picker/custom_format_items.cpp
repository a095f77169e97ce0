// The user's own formats in the code box: their entries after the built-in
// notations in the list and the menu, and "Custom Formats..." to edit them.
#include "picker/color_code_box.h"

#include "picker/color_pipeline.h"
#include "ui/custom_formats_dialog.h"
#include "ui/error_guard.h"
#include "ui/menu_items.h"
#include "ui/picker_dialogs.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QSignalBlocker>

#include <algorithm>

namespace pigmentrix {
namespace {

// An ampersand in a user's name is text, not a menu accelerator.
QString MenuCaption(const std::string &name)
{
    return QString::fromStdString(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

void ColorCodeBox::setCustomFormats(const std::vector<CustomFormat> &edited)
{
    std::vector<CodeTemplate> parsed;
    for (const CustomFormat &format : edited)
        parsed.emplace_back(format.text);
    formats = edited;
    templates = std::move(parsed);

    const QSignalBlocker quiet(cbxDisplay);
    const int chosen = cbxDisplay->currentIndex();
    while (cbxDisplay->count() > NotationCount)
        cbxDisplay->removeItem(NotationCount);
    for (const CustomFormat &format : formats)
        cbxDisplay->addItem(QString::fromStdString(format.name));
    cbxDisplay->setCurrentIndex(chosen < cbxDisplay->count() ? chosen : notation::None);
    fitDropDown();
    if (colorDisplay)
        addCustomItems();
}

void ColorCodeBox::addCustomItems()
{
    qDeleteAll(customItems);
    customItems.clear();
    for (std::size_t i = 0; i < formats.size(); ++i) {
        const int index = NotationCount + static_cast<int>(i);
        auto *action = new QAction(MenuCaption(formats[i].name), colorDisplay);
        action->setObjectName(QStringLiteral("CustomFormat%1").arg(i + 1));
        action->setData(index);
        guard.connect(action, &QAction::triggered, this, [this, index] { HTMLHex1Click(index); });
        colorDisplay->insertAction(CustomFormats1, action);
        customItems.push_back(action);
    }
    if (!customItems.empty()) {
        auto *separator = new QAction(colorDisplay);
        separator->setObjectName(QStringLiteral("NCustomFormatsEdit"));
        separator->setSeparator(true);
        colorDisplay->insertAction(CustomFormats1, separator);
        customItems.push_back(separator);
    }
}

const CodeTemplate *ColorCodeBox::chosenTemplate() const
{
    const int custom = cbxDisplay->currentIndex() - NotationCount;
    if (custom < 0 || custom >= static_cast<int>(templates.size()))
        return nullptr;
    return &templates[static_cast<std::size_t>(custom)];
}

void ColorCodeBox::CustomFormats1Click()
{
    // It opens on the format in use, if one is.
    CustomFormatsDialog dialog(
        window, formats,
        [this](const CodeTemplate &code) { return code.Render(pipeline.color(), pipeline.alpha(), UseUpperCase); },
        cbxDisplay->currentIndex() - NotationCount);
    if (dialogs.runDialog(dialog))
        applyEditedFormats(dialog.formats(), dialog.origins());
}

// The chosen format stays chosen where it went, edited or not; when it was
// removed the first built-in notation takes its place, so that the box
// still shows a code.
void ColorCodeBox::applyEditedFormats(const std::vector<CustomFormat> &edited, const std::vector<int> &origins)
{
    int chosen = cbxDisplay->currentIndex();
    if (chosen >= NotationCount) {
        const auto kept = std::find(origins.begin(), origins.end(), chosen - NotationCount);
        chosen = kept == origins.end() ? notation::HTMLHex : NotationCount + static_cast<int>(kept - origins.begin());
    }
    setCustomFormats(edited);
    {
        const QSignalBlocker quiet(cbxDisplay);
        cbxDisplay->setCurrentIndex(chosen);
    }
    cbxDisplayChange();
}

} // namespace pigmentrix
