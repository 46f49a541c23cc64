#pragma once

#include "RecordingSurface.h"

#include <string>
#include <utility>
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
// the layout cache per label; it keeps them in place, and writes its
// operations over the storage of an older record.
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

    // measures: those of a record of the chart in the same view, or none,
    // made this record's as it goes; spareOps: an older record, whose storage
    // is reused.
    CFrameRecorder(CPainterSurface& measurer, std::vector<Measure>& measures, std::vector<SurfaceOp> spareOps);
    ~CFrameRecorder() override;
    CFrameRecorder(const CFrameRecorder&) = delete;
    CFrameRecorder& operator=(const CFrameRecorder&) = delete;

    std::vector<SurfaceOp> TakeOps();

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
    // The next measure, asking the question in the current font, and whether
    // the record before asked the same there, whose answer it then holds.
    std::pair<Measure*, bool> Ask(bool calc, const std::string& text, const Rect& rc, unsigned flags);

    CPainterSurface& m_measurer;
    std::vector<SurfaceOp> m_ops; // the first m_opCount are this record's
    std::size_t m_opCount = 0;
    std::vector<Measure>& m_measures; // the first m_measureCount are this record's
    std::size_t m_measureCount = 0;
    std::size_t m_previousMeasures = 0; // the record before's
};
