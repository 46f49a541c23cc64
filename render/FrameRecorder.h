#pragma once

#include "RecordingSurface.h"

#include <vector>

class CPainterSurface;

// Records what a paint would draw without drawing it: the operations with
// the state in effect, as CRecordingSurface logs them. Texts are measured,
// and those that cannot reach the window left out, by a painter surface set
// up as the paint's, so that the record is the paint's operation for
// operation. Measuring calls are not recorded: they draw nothing.
class CFrameRecorder : public CDrawSurface {
public:
    explicit CFrameRecorder(CPainterSurface& measurer);

    std::vector<SurfaceOp> TakeOps() { return std::move(m_ops); }

    Font SelectFont(const Font& font) override;

    void Ellipse(const Rect& rc) override;
    void FillRect(const Rect& rc, const Brush& brush) override;
    void FillEllipse(const Rect& rc, const Brush& brush) override;
    void Draw3dRect(const Rect& rc, Color topLeft, Color bottomRight) override;
    // Drawn text answers 0: no chart uses the height of what it draws.
    int DrawText(const std::string& text, Rect& rc, unsigned flags) override;
    bool MayShowText(const std::string& text, const Rect& rc) override;

protected:
    void DoLineTo(Point from, Point to) override;
    void DoFillSolidRect(const Rect& rc, Color color) override;

private:
    SurfaceOp& Log(SurfaceOp::Kind kind, const Rect& rc);

    CPainterSurface& m_measurer;
    std::vector<SurfaceOp> m_ops;
};
