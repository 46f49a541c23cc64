#pragma once

#include "RecordingSurface.h"

#include <string>
#include <vector>

class CPainterSurface;

// Records what a paint would draw without drawing it: the operations with
// the state in effect, as CRecordingSurface logs them. Texts are measured,
// and those that cannot reach the window left out, by a painter surface set
// up as the paint's, so that the record is the paint's operation for
// operation. Measuring calls are not recorded: they draw nothing.
//
// A drag records the same chart again and again, and its texts are measured
// in the same order each time: the answers of the record before are taken
// where the same question comes at the same place, which spares a lookup in
// the layout cache per label.
class CFrameRecorder : public CDrawSurface {
public:
    // A measuring question and its answer.
    struct Measure {
        bool calc = false; // DrawText with CalcRect, else MayShowText
        Font font;
        std::string text;
        Rect rect;
        unsigned flags = 0;
        Rect measured;
        int answer = 0;
    };

    // previous: the measures of a record of the chart in the same view, or none.
    CFrameRecorder(CPainterSurface& measurer, const std::vector<Measure>* previous, std::size_t expectedOps);

    std::vector<SurfaceOp> TakeOps() { return std::move(m_ops); }
    std::vector<Measure> TakeMeasures() { return std::move(m_measures); }

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
    // The answer the record before had for this question, if it asked it here.
    const Measure* Previous(const Measure& question) const;

    CPainterSurface& m_measurer;
    const std::vector<Measure>* m_previous = nullptr;
    std::vector<SurfaceOp> m_ops;
    std::vector<Measure> m_measures;
};
