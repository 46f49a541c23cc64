#include "CommentsDialog.h"

#include "QtConversions.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

std::optional<QFont> SystemFontChooser(const QFont& initial, QWidget* parent)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent);
    return ok ? std::optional<QFont>(font) : std::nullopt;
}

std::optional<QColor> SystemColorChooser(const QColor& initial, const QString& title, QWidget* parent)
{
    const QColor color = QColorDialog::getColor(initial, parent, title);
    return color.isValid() ? std::optional<QColor>(color) : std::nullopt;
}

Color FromQColor(const QColor& color)
{
    return MakeColor(
        static_cast<unsigned>(color.red()), static_cast<unsigned>(color.green()), static_cast<unsigned>(color.blue()));
}

// Takes a chosen font into the note. Fonts are chosen by their character
// height, so the note keeps it as a negative height in pixels at zoom 1.
void TakeFont(Comments& note, const QFont& font)
{
    note.m_nHeight = -std::max(1, QFontInfo(font).pixelSize());
    note.m_nWeight = font.weight();
    note.m_bItalic = font.italic() ? 1 : 0;
    note.m_strFace = font.family().toStdString();
}

} // namespace

CCommentsDlg::CCommentsDlg(const Comments& note, QWidget* parent)
    : QDialog(parent)
    , m_note(note)
    , m_text(new QPlainTextEdit(QString::fromStdString(note.m_strText)))
    , m_chooseFont(&SystemFontChooser)
    , m_chooseColor(&SystemColorChooser)
{
    setWindowTitle(tr("输入字符串"));
    // A new note has no face yet: it starts in the interface font.
    if (m_note.m_strFace.empty())
        m_note.m_strFace = QApplication::font().family().toStdString();

    m_text->setObjectName("text");
    m_text->setTabChangesFocus(true);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(BuildButtons());
    ShowStyle();
    m_text->setFocus();
}

bool CCommentsDlg::Edit(Comments& note, QWidget* parent)
{
    CCommentsDlg dialog(note, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    note = dialog.Note();
    return true;
}

Comments CCommentsDlg::Note() const
{
    Comments note = m_note;
    note.m_strText = m_text->toPlainText().toStdString();
    return note;
}

// The font the chart draws the note with at zoom 1, so that the box
// previews the note as it will look.
QFont CCommentsDlg::DisplayFont() const
{
    Font font;
    font.height = m_note.m_nHeight;
    font.weight = m_note.m_nWeight;
    font.italic = m_note.m_bItalic != 0;
    font.charSet = m_note.m_nCharSet;
    // As the chart draws notes: not antialiased, sans serif where the face is missing.
    font.quality = Font::kNonAntialiased;
    font.pitchAndFamily = Font::kSwissFamily;
    font.face = m_note.m_strFace;
    return ToQFont(font, 1.0);
}

void CCommentsDlg::SetChoosers(FontChooser chooseFont, ColorChooser chooseColor)
{
    if (chooseFont)
        m_chooseFont = std::move(chooseFont);
    if (chooseColor)
        m_chooseColor = std::move(chooseColor);
}

// The buttons in a column right of the text box. The system font chooser
// offers no colour, so the text colour has a button of its own.
QLayout* CCommentsDlg::BuildButtons()
{
    auto* column = new QVBoxLayout;
    const auto addButton = [this, column](const QString& text, const char* name, void (CCommentsDlg::*slot)()) {
        auto* button = new QPushButton(text);
        button->setObjectName(name);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
        column->addWidget(button);
    };
    addButton(tr("字体..."), "font", &CCommentsDlg::ChooseFont);
    addButton(tr("文字颜色..."), "textColor", &CCommentsDlg::ChooseTextColor);
    addButton(tr("背景色..."), "backColor", &CCommentsDlg::ChooseBackColor);
    column->addStretch();
    addButton(tr("确定"), "ok", &CCommentsDlg::accept);
    addButton(tr("取消"), "cancel", &CCommentsDlg::reject);
    return column;
}

void CCommentsDlg::ChooseFont()
{
    if (const std::optional<QFont> font = m_chooseFont(DisplayFont(), this)) {
        TakeFont(m_note, *font);
        ShowStyle();
    }
}

void CCommentsDlg::ChooseTextColor()
{
    if (const std::optional<Color> color = ChooseColor(m_note.m_crText, tr("文字颜色"))) {
        m_note.m_crText = *color;
        ShowStyle();
    }
}

void CCommentsDlg::ChooseBackColor()
{
    if (const std::optional<Color> color = ChooseColor(m_note.m_crBack, tr("背景色"))) {
        m_note.m_crBack = *color;
        ShowStyle();
    }
}

std::optional<Color> CCommentsDlg::ChooseColor(Color initial, const QString& title)
{
    const std::optional<QColor> color = m_chooseColor(ToQColor(initial), title, this);
    if (!color)
        return std::nullopt;
    return FromQColor(*color);
}

// Shows the text in the note's font and colours.
void CCommentsDlg::ShowStyle()
{
    m_text->setFont(DisplayFont());
    QPalette palette = m_text->palette();
    palette.setColor(QPalette::Base, ToQColor(m_note.m_crBack));
    palette.setColor(QPalette::Text, ToQColor(m_note.m_crText));
    m_text->setPalette(palette);
}
