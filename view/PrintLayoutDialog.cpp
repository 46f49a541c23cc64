#include "PrintLayoutDialog.h"

#include "WallChart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

namespace {

constexpr double kLargestOverlapMm = 100;

QDoubleSpinBox* MillimetreBox(double low, double high, const char* name)
{
    auto* box = new QDoubleSpinBox;
    box->setObjectName(name);
    box->setRange(low, high);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setSuffix(QStringLiteral(" mm"));
    return box;
}

QSpinBox* PageBox(const char* name)
{
    auto* box = new QSpinBox;
    box->setObjectName(name);
    box->setRange(1, CPageGrid::kMaxPages);
    return box;
}

} // namespace

CPrintLayoutDialog::CPrintLayoutDialog(const PrintLayout& start, const Rect& region, double cellPitch,
                                       double readableCellMm, QWidget* parent)
    : QDialog(parent)
    , m_region(region)
    , m_cellPitch(cellPitch)
    , m_onePage(new QRadioButton(tr("一页")))
    , m_byCell(new QRadioButton(tr("按格子大小")))
    , m_byPages(new QRadioButton(tr("按页数")))
    , m_cellMm(MillimetreBox(CPageGrid::kSmallestCellMm, CPageGrid::kLargestCellMm, "cellMm"))
    , m_columns(PageBox("columns"))
    , m_rows(PageBox("rows"))
    , m_paper(new QComboBox)
    , m_landscape(new QCheckBox(tr("横向")))
    , m_overlap(MillimetreBox(0, kLargestOverlapMm, "overlap"))
    , m_overview(new QCheckBox(tr("总览页")))
    , m_caption(new QCheckBox(tr("图注")))
    , m_count(new QLabel)
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel))
{
    setWindowTitle(tr("打印布局"));
    m_onePage->setObjectName("onePage");
    m_byCell->setObjectName("byCell");
    m_byPages->setObjectName("byPages");
    m_paper->setObjectName("paper");
    m_landscape->setObjectName("landscape");
    m_overview->setObjectName("overview");
    m_caption->setObjectName("caption");
    m_count->setObjectName("pageCount");
    m_count->setWordWrap(true);
    for (const std::string& paper : CPageGrid::PaperNames())
        m_paper->addItem(QString::fromStdString(paper));
    BuildLayout();
    Show(start, readableCellMm);

    for (QRadioButton* button : {m_onePage, m_byCell, m_byPages})
        connect(button, &QRadioButton::toggled, this, &CPrintLayoutDialog::Update);
    for (QDoubleSpinBox* box : {m_cellMm, m_overlap})
        connect(box, &QDoubleSpinBox::valueChanged, this, &CPrintLayoutDialog::Update);
    for (QSpinBox* box : {m_columns, m_rows})
        connect(box, &QSpinBox::valueChanged, this, &CPrintLayoutDialog::Update);
    for (QCheckBox* box : {m_landscape, m_overview})
        connect(box, &QCheckBox::toggled, this, &CPrintLayoutDialog::Update);
    connect(m_paper, &QComboBox::currentIndexChanged, this, &CPrintLayoutDialog::Update);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CPrintLayoutDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &CPrintLayoutDialog::reject);
    Update();
}

void CPrintLayoutDialog::BuildLayout()
{
    auto* form = new QFormLayout;
    form->addRow(m_onePage);
    form->addRow(m_byCell, m_cellMm);
    auto* pages = new QHBoxLayout;
    pages->addWidget(m_columns);
    pages->addWidget(new QLabel(QStringLiteral("\u00d7")));
    pages->addWidget(m_rows);
    form->addRow(m_byPages, pages);
    auto* paper = new QHBoxLayout;
    paper->addWidget(m_paper);
    paper->addWidget(m_landscape);
    form->addRow(tr("纸张"), paper);
    form->addRow(tr("重叠"), m_overlap);
    form->addRow(m_overview);
    form->addRow(m_caption);
    form->addRow(m_count);
    form->addRow(m_buttons);
    setLayout(form);
}

void CPrintLayoutDialog::Show(const PrintLayout& start, double readableCellMm)
{
    m_onePage->setChecked(start.fit == PrintLayout::Fit::OnePage);
    m_byCell->setChecked(start.fit == PrintLayout::Fit::CellSize);
    m_byPages->setChecked(start.fit == PrintLayout::Fit::Pages);
    m_cellMm->setValue(start.cellMm > 0 ? start.cellMm : readableCellMm);
    m_columns->setValue(start.columns);
    m_rows->setValue(start.rows);
    m_paper->setCurrentIndex(std::max(m_paper->findText(QString::fromStdString(start.paper)), 0));
    m_landscape->setChecked(start.landscape);
    m_overlap->setValue(start.overlapMm);
    m_overview->setChecked(start.overview);
    m_caption->setChecked(start.caption);
}

std::optional<PrintLayout> CPrintLayoutDialog::Ask(const PrintLayout& start, const Rect& region, double cellPitch,
                                                   double readableCellMm, QWidget* parent)
{
    CPrintLayoutDialog dialog(start, region, cellPitch, readableCellMm, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Layout();
}

PrintLayout CPrintLayoutDialog::Layout() const
{
    PrintLayout layout;
    if (m_byCell->isChecked())
        layout.fit = PrintLayout::Fit::CellSize;
    else if (m_byPages->isChecked())
        layout.fit = PrintLayout::Fit::Pages;
    layout.cellMm = m_cellMm->value();
    layout.columns = m_columns->value();
    layout.rows = m_rows->value();
    layout.paper = m_paper->currentText().toStdString();
    layout.landscape = m_landscape->isChecked();
    layout.overlapMm = m_overlap->value();
    layout.overview = m_overview->isChecked();
    layout.caption = m_caption->isChecked();
    return layout;
}

// One page takes its paper from the printer's dialog, so only the wall
// chart's fields apply to it.
void CPrintLayoutDialog::Update()
{
    const PrintLayout layout = Layout();
    const bool wall = layout.fit != PrintLayout::Fit::OnePage;
    m_cellMm->setEnabled(layout.fit == PrintLayout::Fit::CellSize);
    m_columns->setEnabled(layout.fit == PrintLayout::Fit::Pages);
    m_rows->setEnabled(layout.fit == PrintLayout::Fit::Pages);
    for (QWidget* field : std::initializer_list<QWidget*>{m_paper, m_landscape, m_overlap, m_overview})
        field->setEnabled(wall);
    int pages = 1;
    if (wall) {
        const Result<CPageGrid> grid = layout.Grid(m_region, m_cellPitch);
        pages = grid.Ok() ? WallChartPageCount(WallChart{Picture{}, grid.Value(), layout.overview, {}}) : 0;
        if (!grid.Ok())
            m_count->setText(QString::fromStdString(grid.Message()));
    }
    if (pages > 0)
        m_count->setText(tr("共 %1 页").arg(pages));
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(pages > 0);
}
