#pragma once

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <stdexcept>

namespace pigmentrix {

// The window's control of that object name; the case fails without one.
template <typename Control = QWidget>
Control *FindControl(const QWidget &window, const QString &name)
{
    auto *found = window.findChild<Control *>(name);
    EXPECT_NE(found, nullptr) << "no control " << name.toStdString();
    return found;
}

// The window's area of that class.
template <typename Area>
Area &FindArea(const QWidget &window)
{
    Area *found = window.findChild<Area *>();
    if (!found)
        throw std::logic_error("the window has no such area");
    return *found;
}

} // namespace pigmentrix
