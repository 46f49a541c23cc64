#pragma once

#include "ChartRecords.h"

#include <QColor>
#include <QDialog>
#include <QFont>

#include <functional>
#include <optional>

class QPlainTextEdit;

// The modal note dialog: a note's text in a multi-line box shown in the
// note's font and colours, with buttons for the font, the text colour and
// the background colour. Only OK hands the result back; Cancel, like
// closing the window, leaves the note as it was.
class CCommentsDlg : public QDialog {
    Q_OBJECT

public:
    // The font and colour choosers, replaceable so that tests need no
    // blocking system dialog. Nothing means the user cancelled.
    using FontChooser = std::function<std::optional<QFont>(const QFont& initial, QWidget* parent)>;
    using ColorChooser
        = std::function<std::optional<QColor>(const QColor& initial, const QString& title, QWidget* parent)>;

    explicit CCommentsDlg(const Comments& note, QWidget* parent = nullptr);

    // Runs the dialog on note. On OK note takes the text, font and colours
    // and the result is true; otherwise note is left as it was.
    static bool Edit(Comments& note, QWidget* parent);

    // The note as the dialog shows it now.
    Comments Note() const;
    // The font the text box shows: the note's font at zoom 1.
    QFont DisplayFont() const;
    // Replaces the choosers; an empty one keeps the current chooser.
    void SetChoosers(FontChooser chooseFont, ColorChooser chooseColor);

private:
    QLayout* BuildButtons();
    void ChooseFont();
    void ChooseTextColor();
    void ChooseBackColor();
    std::optional<Color> ChooseColor(Color initial, const QString& title);
    void ShowStyle();

    Comments m_note; // font and colours; the text lives in the box
    QPlainTextEdit* m_text = nullptr;
    FontChooser m_chooseFont;
    ColorChooser m_chooseColor;
};
