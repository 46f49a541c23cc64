#include "FrameRecorder.h"

#include "PainterSurface.h"

CFrameRecorder::CFrameRecorder(CPainterSurface& measurer, std::vector<Measure>& measures,
                               std::vector<SurfaceOp> spareOps)
    : m_measurer(measurer)
    , m_ops(std::move(spareOps))
    , m_measures(measures)
    , m_previousMeasures(measures.size())
{
}

CFrameRecorder::~CFrameRecorder() { m_measures.resize(m_measureCount); }

std::vector<SurfaceOp> CFrameRecorder::TakeOps()
{
    m_ops.resize(m_opCount);
    return std::move(m_ops);
}

SurfaceOp& CFrameRecorder::Log(SurfaceOp::Kind kind, const Rect& rc)
{
    if (m_opCount == m_ops.size())
        m_ops.emplace_back();
    SurfaceOp& op = m_ops[m_opCount++];
    op.Reset(*this, kind);
    op.rect = rc;
    return op;
}

std::pair<CFrameRecorder::Measure*, bool> CFrameRecorder::Ask(bool calc, const std::string& text, const Rect& rc,
                                                             unsigned flags)
{
    if (m_measureCount == m_measures.size())
        m_measures.emplace_back();
    Measure& question = m_measures[m_measureCount];
    const bool same = m_measureCount++ < m_previousMeasures && question.calc == calc && question.rect == rc &&
                      question.flags == flags && question.text == text && question.font == CurrentFont();
    if (!same) {
        question.calc = calc;
        question.font = CurrentFont();
        question.text = text;
        question.rect = rc;
        question.flags = flags;
    }
    return {&question, same};
}

Font CFrameRecorder::SelectFont(const Font& font)
{
    m_measurer.SelectFont(font);
    return CDrawSurface::SelectFont(font);
}

void CFrameRecorder::Ellipse(const Rect& rc) { Log(SurfaceOp::Kind::Ellipse, rc); }

void CFrameRecorder::FillRect(const Rect& rc, const Brush& brush)
{
    Log(SurfaceOp::Kind::FillRect, rc).brush = brush;
}

void CFrameRecorder::FillEllipse(const Rect& rc, const Brush& brush)
{
    Log(SurfaceOp::Kind::FillEllipse, rc).brush = brush;
}

void CFrameRecorder::Draw3dRect(const Rect& rc, Color topLeft, Color bottomRight)
{
    SurfaceOp& op = Log(SurfaceOp::Kind::Draw3dRect, rc);
    op.color = topLeft;
    op.color2 = bottomRight;
}

int CFrameRecorder::DrawText(const std::string& text, Rect& rc, unsigned flags)
{
    if (flags & TextFlags::CalcRect) {
        const auto [question, same] = Ask(true, text, rc, flags);
        if (!same) {
            question->measured = rc;
            question->answer = m_measurer.DrawText(text, question->measured, flags);
        }
        rc = question->measured;
        return question->answer;
    }
    SurfaceOp& op = Log(SurfaceOp::Kind::Text, rc);
    op.text = text;
    op.flags = flags;
    return 0;
}

bool CFrameRecorder::MayShowText(const std::string& text, const Rect& rc)
{
    const auto [question, same] = Ask(false, text, rc, 0);
    if (!same)
        question->answer = m_measurer.MayShowText(text, rc);
    return question->answer != 0;
}

void CFrameRecorder::DoLineTo(Point from, Point to)
{
    SurfaceOp& op = Log(SurfaceOp::Kind::LineTo, {});
    op.from = from;
    op.to = to;
}

void CFrameRecorder::DoFillSolidRect(const Rect& rc, Color color) { Log(SurfaceOp::Kind::FillSolidRect, rc).color = color; }
