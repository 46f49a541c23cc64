#include "FrameRecorder.h"

#include "PainterSurface.h"

CFrameRecorder::CFrameRecorder(CPainterSurface& measurer)
    : m_measurer(measurer)
{
}

SurfaceOp& CFrameRecorder::Log(SurfaceOp::Kind kind, const Rect& rc)
{
    SurfaceOp& op = m_ops.emplace_back();
    op.kind = kind;
    op.rect = rc;
    op.pen = CurrentPen();
    op.brush = CurrentBrush();
    op.font = CurrentFont();
    op.color = TextColor();
    op.bkColor = BkColor();
    op.bkMode = BackgroundMode();
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
    if (flags & TextFlags::CalcRect)
        return m_measurer.DrawText(text, rc, flags);
    SurfaceOp& op = Log(SurfaceOp::Kind::Text, rc);
    op.text = text;
    op.flags = flags;
    return 0;
}

bool CFrameRecorder::MayShowText(const std::string& text, const Rect& rc) { return m_measurer.MayShowText(text, rc); }

void CFrameRecorder::DoLineTo(Point from, Point to)
{
    SurfaceOp& op = Log(SurfaceOp::Kind::LineTo, {});
    op.from = from;
    op.to = to;
}

void CFrameRecorder::DoFillSolidRect(const Rect& rc, Color color) { Log(SurfaceOp::Kind::FillSolidRect, rc).color = color; }
