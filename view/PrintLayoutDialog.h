#pragma once

#include "Geometry.h"
#include "PrintLayout.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QRadioButton;
class QSpinBox;

// The modal dialog 打印 and 打印预览 open before the printer's: the whole
// chart on one page, or a wall chart at a cell size on paper or on columns
// x rows pages, on which paper, how far pages overlap, with an overview page
// first and the caption. It counts the pages as the fields change and
// refuses OK while the choices give none, saying why.
class CPrintLayoutDialog : public QDialog {
    Q_OBJECT

public:
    // start: the choices shown first. region (chart units) and cellPitch
    // (the distance of the chart's cells) are the chart's, to count its
    // pages by; readableCellMm is the cell size shown when none was chosen.
    CPrintLayoutDialog(const PrintLayout& start, const Rect& region, double cellPitch, double readableCellMm,
                       QWidget* parent = nullptr);

    // Runs the dialog; the choices confirmed, or nothing when cancelled.
    static std::optional<PrintLayout> Ask(const PrintLayout& start, const Rect& region, double cellPitch,
                                          double readableCellMm, QWidget* parent);

    PrintLayout Layout() const;

private:
    void BuildLayout();
    void Show(const PrintLayout& start, double readableCellMm);
    // Enables the fields the chosen fit uses and shows the page count.
    void Update();

    Rect m_region;
    double m_cellPitch = 0;
    QRadioButton* m_onePage = nullptr;
    QRadioButton* m_byCell = nullptr;
    QRadioButton* m_byPages = nullptr;
    QDoubleSpinBox* m_cellMm = nullptr;
    QSpinBox* m_columns = nullptr;
    QSpinBox* m_rows = nullptr;
    QComboBox* m_paper = nullptr;
    QCheckBox* m_landscape = nullptr;
    QDoubleSpinBox* m_overlap = nullptr;
    QCheckBox* m_overview = nullptr;
    QCheckBox* m_caption = nullptr;
    QLabel* m_count = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
