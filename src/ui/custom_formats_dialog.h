#pragma once

#include "model/custom_format.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace pigmentrix {

class CodeTemplate;

// "Custom Formats": adds, edits and removes the user's own colour codes,
// with the current colour written in the chosen one as it is typed. A format
// that cannot be used shows why in place of the preview and keeps the user
// on it: the list, Add and OK wait until it is mended or removed.
class CustomFormatsDialog : public QDialog {
    Q_OBJECT

public:
    // preview writes the current colour with a template.
    using Preview = std::function<std::string(const CodeTemplate &)>;

    // The list opens on the format at current (the first when current is
    // not one of them).
    CustomFormatsDialog(QWidget *parent, const std::vector<CustomFormat> &formats, Preview preview, int current = 0);

    // The formats as the user left them, names without blanks around them.
    std::vector<CustomFormat> formats() const;
    // For each of formats(), its place in the list the dialog was opened
    // with, or -1 for one added here.
    std::vector<int> origins() const;

private:
    struct Row {
        CustomFormat format;
        int origin = -1;
    };

    void addFormat();
    void removeFormat();
    void showRow(int row);
    void nameEdited(const QString &name);
    void templateEdited(const QString &text);
    void refresh();
    std::string problemOf(int row) const;
    QString freeName() const;

    Preview preview;
    std::vector<Row> rows;
    QListWidget *lstFormats = nullptr;
    QPushButton *btnAddFormat = nullptr;
    QPushButton *btnRemoveFormat = nullptr;
    QLineEdit *edtFormatName = nullptr;
    QLineEdit *edtFormatTemplate = nullptr;
    QLabel *lblFormatPreview = nullptr;
    QDialogButtonBox *buttons = nullptr;
};

} // namespace pigmentrix
