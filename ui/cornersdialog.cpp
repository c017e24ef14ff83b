#include "cornersdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "application.h"
#include "messagebox.h"
#include "messages.h"
#include "textview.h"

namespace Text = Messages::Corners;

CornersDialog::CornersDialog(const CornerRanges &ranges, QWidget *parent)
    : QDialog(parent), ranges_(ranges)
{
    setObjectName("cornersDialog");
    setWindowTitle(fromView(Text::titolo));
    setFont(controlFont()); // the window's own face, like the window's fields
    auto *layout = new QVBoxLayout(this);
    auto *explanation = new QLabel(fromView(Text::spiegazione), this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);

    auto *form = new QFormLayout;
    form_ = form;
    for (std::size_t i = 0; i < cornerFieldCount; ++i) {
        const QString name = fromView(cornerFieldName(static_cast<CornerField>(i)));
        fields_[i] = new QLineEdit(this);
        fields_[i]->setObjectName(QStringLiteral("cornerField%1").arg(i));
        fields_[i]->setAccessibleName(name);
        auto *label = new QLabel(name, this);
        label->setBuddy(fields_[i]);
        form->addRow(label, fields_[i]);
    }
    layout->addLayout(form);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *defaults =
        buttons->addButton(fromView(Text::predefiniti), QDialogButtonBox::ResetRole);
    defaults->setObjectName("cornerDefaults");
    connect(defaults, &QPushButton::clicked, this, [this] { fillIn(CornerRanges{}); });
    connect(buttons, &QDialogButtonBox::accepted, this, &CornersDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CornersDialog::reject);
    layout->addWidget(buttons);

    fillIn(ranges);
    fields_.front()->setFocus();
}

void CornersDialog::markReplaced(CornerField field, const QString &mark)
{
    QLineEdit *edit = fields_[static_cast<std::size_t>(field)];
    int row = 0;
    form_->getWidgetPosition(edit, &row, nullptr);
    auto *label = new QLabel(mark, this);
    label->setObjectName(QStringLiteral("cornerMark%1").arg(static_cast<std::size_t>(field)));
    label->setWordWrap(true);
    form_->insertRow(row + 1, QString(), label);
    edit->setAccessibleDescription(mark);
}

void CornersDialog::fillIn(const CornerRanges &ranges)
{
    const CornerTexts texts = cornerTexts(ranges);
    for (std::size_t i = 0; i < cornerFieldCount; ++i)
        fields_[i]->setText(fromView(texts[i]));
}

void CornersDialog::accept()
{
    CornerTexts texts;
    for (std::size_t i = 0; i < cornerFieldCount; ++i)
        texts[i] = viewOf(fields_[i]->text());
    const auto read = readCorners(texts);
    if (const auto *refusal = std::get_if<CornerRefusal>(&read)) {
        showMessageBox(this, fromView(refusal->message));
        QLineEdit *field = fields_[static_cast<std::size_t>(refusal->field)];
        field->setFocus();
        field->selectAll();
        return;
    }
    ranges_ = std::get<CornerRanges>(read);
    QDialog::accept();
}
