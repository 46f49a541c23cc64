#include "FrameRecorder.h"

#include "PainterSurface.h"

CFrameRecorder::CFrameRecorder(CPainterSurface& measurer, const std::vector<Measure>* previous,
                               std::size_t expectedOps)
    : m_measurer(measurer)
    , m_previous(previous)
{
    m_ops.reserve(expectedOps);
    if (previous)
        m_measures.reserve(previous->size());
}

const CFrameRecorder::Measure* CFrameRecorder::Previous(const Measure& question) const
{
    const std::size_t at = m_measures.size();
    if (!m_previous || at >= m_previous->size())
        return nullptr;
    const Measure& before = (*m_previous)[at];
    const bool same = before.calc == question.calc && before.rect == question.rect &&
                      before.flags == question.flags && before.text == question.text && before.font == question.font;
    return same ? &before : nullptr;
}

SurfaceOp& CFrameRecorder::Log(SurfaceOp::Kind kind, const Rect& rc)
{
    SurfaceOp& op = m_ops.emplace_back(SurfaceOp::WithStateOf(*this, kind));
    op.rect = rc;
    return op;
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
        Measure question{true, CurrentFont(), text, rc, flags, {}, 0};
        if (const Measure* before = Previous(question)) {
            question.measured = before->measured;
            question.answer = before->answer;
        } else {
            question.measured = rc;
            question.answer = m_measurer.DrawText(text, question.measured, flags);
        }
        rc = question.measured;
        m_measures.push_back(std::move(question));
        return m_measures.back().answer;
    }
    SurfaceOp& op = Log(SurfaceOp::Kind::Text, rc);
    op.text = text;
    op.flags = flags;
    return 0;
}

bool CFrameRecorder::MayShowText(const std::string& text, const Rect& rc)
{
    Measure question{false, CurrentFont(), text, rc, 0, {}, 0};
    const Measure* before = Previous(question);
    question.answer = before ? before->answer : m_measurer.MayShowText(text, rc);
    m_measures.push_back(std::move(question));
    return m_measures.back().answer != 0;
}

void CFrameRecorder::DoLineTo(Point from, Point to)
{
    SurfaceOp& op = Log(SurfaceOp::Kind::LineTo, {});
    op.from = from;
    op.to = to;
}

void CFrameRecorder::DoFillSolidRect(const Rect& rc, Color color) { Log(SurfaceOp::Kind::FillSolidRect, rc).color = color; }
