#include "ui/custom_formats_dialog.h"

#include "model/code_template.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace pigmentrix {
namespace {

const QString FieldsHelp = QStringLiteral(
    "Write {field} or {field:format} with a format as for std::format, {{ and }} for braces. Fields: r g b a (0-255), "
    "rf gf bf af (0-1), hex, h s l (HSL), sv v (HSV), c m y k, okl okc okh (OKLCH), name.");

const char *const NewTemplate = "#{hex}";

// What an added format is called until the user names it.
QString NumberedName(int n)
{
    return QStringLiteral("Format %1").arg(n);
}

} // namespace

CustomFormatsDialog::CustomFormatsDialog(QWidget *parent, const std::vector<CustomFormat> &formats, Preview preview,
                                         int current)
    : QDialog(parent)
    , preview(std::move(preview))
{
    setObjectName(QStringLiteral("frmCustomFormats"));
    setWindowTitle(QStringLiteral("Custom Formats"));
    for (std::size_t i = 0; i < formats.size(); ++i)
        rows.push_back({formats[i], static_cast<int>(i)});

    lstFormats = new QListWidget(this);
    lstFormats->setObjectName(QStringLiteral("lstFormats"));
    lstFormats->setAccessibleName(QStringLiteral("Custom Formats"));
    for (const Row &row : rows)
        lstFormats->addItem(QString::fromStdString(row.format.name));
    btnAddFormat = new QPushButton(QStringLiteral("Add"), this);
    btnAddFormat->setObjectName(QStringLiteral("btnAddFormat"));
    btnRemoveFormat = new QPushButton(QStringLiteral("Remove"), this);
    btnRemoveFormat->setObjectName(QStringLiteral("btnRemoveFormat"));
    auto *listButtons = new QHBoxLayout;
    listButtons->addWidget(btnAddFormat);
    listButtons->addWidget(btnRemoveFormat);
    auto *listColumn = new QVBoxLayout;
    listColumn->addWidget(lstFormats);
    listColumn->addLayout(listButtons);

    edtFormatName = new QLineEdit(this);
    edtFormatName->setObjectName(QStringLiteral("edtFormatName"));
    edtFormatTemplate = new QLineEdit(this);
    edtFormatTemplate->setObjectName(QStringLiteral("edtFormatTemplate"));
    edtFormatTemplate->setMinimumWidth(260);
    lblFormatPreview = new QLabel(this);
    lblFormatPreview->setObjectName(QStringLiteral("lblFormatPreview"));
    lblFormatPreview->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblFormatPreview->setWordWrap(true);
    auto *fields = new QLabel(FieldsHelp, this);
    fields->setObjectName(QStringLiteral("lblFormatFields"));
    fields->setWordWrap(true);
    auto *editor = new QFormLayout;
    editor->addRow(QStringLiteral("Name:"), edtFormatName);
    editor->addRow(QStringLiteral("Template:"), edtFormatTemplate);
    editor->addRow(QStringLiteral("Preview:"), lblFormatPreview);
    editor->addRow(fields);

    auto *columns = new QHBoxLayout;
    columns->addLayout(listColumn, 2);
    columns->addLayout(editor, 5);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnFormatsOk"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnFormatsCancel"));
    auto *whole = new QVBoxLayout(this);
    whole->addLayout(columns);
    whole->addWidget(buttons);

    connect(lstFormats, &QListWidget::currentRowChanged, this, &CustomFormatsDialog::showRow);
    connect(btnAddFormat, &QPushButton::clicked, this, &CustomFormatsDialog::addFormat);
    connect(btnRemoveFormat, &QPushButton::clicked, this, &CustomFormatsDialog::removeFormat);
    connect(edtFormatName, &QLineEdit::textEdited, this, &CustomFormatsDialog::nameEdited);
    connect(edtFormatTemplate, &QLineEdit::textEdited, this, &CustomFormatsDialog::templateEdited);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    const bool listed = current >= 0 && current < static_cast<int>(rows.size());
    lstFormats->setCurrentRow(rows.empty() ? -1 : listed ? current : 0);
    showRow(lstFormats->currentRow());
}

std::vector<CustomFormat> CustomFormatsDialog::formats() const
{
    std::vector<CustomFormat> result;
    for (const Row &row : rows)
        result.push_back({QString::fromStdString(row.format.name).trimmed().toStdString(), row.format.text});
    return result;
}

std::vector<int> CustomFormatsDialog::origins() const
{
    std::vector<int> result;
    for (const Row &row : rows)
        result.push_back(row.origin);
    return result;
}

QString CustomFormatsDialog::freeName() const
{
    std::vector<std::string> names;
    for (const Row &row : rows)
        names.push_back(row.format.name);
    for (int n = 1;; ++n) {
        if (CustomFormatProblem({NumberedName(n).toStdString(), NewTemplate}, names).empty())
            return NumberedName(n);
    }
}

void CustomFormatsDialog::addFormat()
{
    rows.push_back({{freeName().toStdString(), NewTemplate}, -1});
    lstFormats->addItem(QString::fromStdString(rows.back().format.name));
    lstFormats->setCurrentRow(static_cast<int>(rows.size()) - 1);
    edtFormatName->setFocus();
    edtFormatName->selectAll();
}

void CustomFormatsDialog::removeFormat()
{
    const int row = lstFormats->currentRow();
    if (row < 0)
        return;
    rows.erase(rows.begin() + row);
    // Taking the item out moves the selection to a neighbour, which shows.
    delete lstFormats->takeItem(row);
    showRow(lstFormats->currentRow());
}

void CustomFormatsDialog::showRow(int row)
{
    const bool any = row >= 0 && row < static_cast<int>(rows.size());
    const QSignalBlocker quietName(edtFormatName);
    const QSignalBlocker quietTemplate(edtFormatTemplate);
    edtFormatName->setText(any ? QString::fromStdString(rows[static_cast<std::size_t>(row)].format.name) : QString());
    edtFormatTemplate->setText(any ? QString::fromStdString(rows[static_cast<std::size_t>(row)].format.text)
                                   : QString());
    edtFormatName->setEnabled(any);
    edtFormatTemplate->setEnabled(any);
    btnRemoveFormat->setEnabled(any);
    refresh();
}

void CustomFormatsDialog::nameEdited(const QString &name)
{
    const int row = lstFormats->currentRow();
    rows[static_cast<std::size_t>(row)].format.name = name.toStdString();
    lstFormats->item(row)->setText(name);
    refresh();
}

void CustomFormatsDialog::templateEdited(const QString &text)
{
    rows[static_cast<std::size_t>(lstFormats->currentRow())].format.text = text.toStdString();
    refresh();
}

std::string CustomFormatsDialog::problemOf(int row) const
{
    std::vector<std::string> others;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        if (i != row)
            others.push_back(rows[static_cast<std::size_t>(i)].format.name);
    }
    return CustomFormatProblem(rows[static_cast<std::size_t>(row)].format, others);
}

void CustomFormatsDialog::refresh()
{
    const int row = lstFormats->currentRow();
    const std::string problem = row >= 0 ? problemOf(row) : std::string();
    const bool wrong = !problem.empty();
    if (row < 0)
        lblFormatPreview->clear();
    else
        lblFormatPreview->setText(QString::fromStdString(
            wrong ? problem : preview(CodeTemplate(rows[static_cast<std::size_t>(row)].format.text))));
    lblFormatPreview->setStyleSheet(wrong ? QStringLiteral("color: #c00000;") : QString());
    lstFormats->setEnabled(!wrong);
    btnAddFormat->setEnabled(!wrong);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!wrong);
}

} // namespace pigmentrix
