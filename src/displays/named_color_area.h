#pragma once

#include "model/conversions.h"
#include "model/named_color_order.h"
#include "storage/property_bindings.h"

#include <QHash>
#include <QObject>

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace pigmentrix {

class ErrorGuard;
class NamedColorBox;

// The named-colour list at the bottom left, its pop-up menu of orders, and
// that menu's copy in the main menu's "Color List".
class NamedColorArea : public QObject {
    Q_OBJECT

public:
    using RgbSource = std::function<RGBValues()>;

    // sliders and boxes give the red, green and blue the editors hold;
    // swatchWidth the width the list's swatches end at.
    NamedColorArea(QWidget *window, RgbSource sliders, RgbSource boxes, std::function<int()> swatchWidth,
                   const ErrorGuard &guard);

    // "Color List" with copies of the list's menu, appended to menu.
    void addMenu(QMenu *menu);
    std::vector<PropertyBinding> storedProperties();

    // The entries in their present order.
    std::span<const RColor> namedColorEntries() const;
    // The order FindClosestColor1's Tag holds; it may be a stored code none of
    // the menu items carries.
    SortOrder sortOrderInForce() const;
    void setSortOrderInForce(SortOrder order);
    SortOrder sortOrder() const { return sortorder; }
    bool htmlOnly() const { return bHTMLList; }
    int colorCount() const { return colorcount; }

    // Rebuilds the list for the stored tick and order, as the window shows.
    void rebuildForShow();
    // Keeps the selection on an entry of color.
    void updateNamedColorSelection(TColor color);
    bool stepByWheel(QWidget *target, bool up);

    void SortbyHue1Click(QAction *sender);

signals:
    void colorChosen(TColor color);

private:
    void ShowonlyhtmlcolorsClick();
    void Setsortmenuitems(SortOrder SortValue);
    void FindClosestColor1Click();
    void cbxColorsChange();

    void buildList(QWidget *window, std::function<int()> swatchWidth);
    void buildMenu(QWidget *window);
    void wireNamedColorMenuItem(QAction *source, QAction *item);
    std::array<QAction *, 9> sortItems() const;
    void stepNamedColorList(bool up);
    // Ticks item and its copy in "Color List".
    void setChecked(QAction *item, bool checked);

    QWidget *window;
    RgbSource sliders;
    RgbSource boxes;
    const ErrorGuard &guard;
    bool bHTMLList = false;
    int colorcount = 0;
    SortOrder sortorder = SortOrder::Name;

    QWidget *pnlHTMLColor = nullptr;
    QLabel *lblHTMLColor = nullptr;
    NamedColorBox *cbxColors = nullptr;
    QMenu *mnuClosestColor = nullptr;
    QAction *FindClosestColor1 = nullptr; // its Tag (data, 64-bit) holds the order code in force
    QAction *SortbyName1 = nullptr;
    QAction *SortbySimilarity1 = nullptr;
    QAction *SortbyHue1 = nullptr;
    QAction *SortbySaturation1 = nullptr;
    QAction *SortbyValue1 = nullptr;
    QAction *SortbyRed1 = nullptr;
    QAction *SortbyGreen1 = nullptr;
    QAction *SortbyBlue1 = nullptr;
    QAction *SortbyBrightness1 = nullptr;
    QAction *Showonlyhtmlcolors = nullptr;
    QMenu *ColorList1 = nullptr; // "Color List" in the main menu, holding the copies
    // The copy in ColorList1 of each item of mnuClosestColor.
    QHash<QAction *, QAction *> menuCopies;
};

} // namespace pigmentrix
