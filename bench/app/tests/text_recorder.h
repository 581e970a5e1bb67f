// A paint device that keeps the texts drawn on it, so that a test can read
// the words an artwork prints without looking at pixels.
#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QStringList>
#include <QTextItem>

namespace bench::testing {

class text_recorder : public QPaintDevice {
public:
    QStringList texts;

    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth: case PdmHeight: return 20000;
            case PdmWidthMM: case PdmHeightMM: return 5000;
            case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 96;
            case PdmDepth: return 32;
            case PdmNumColors: return 1 << 24;
            case PdmDevicePixelRatio: return 1;
            case PdmDevicePixelRatioScaled: return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
            default: return 0;
        }
    }

private:
    class engine : public QPaintEngine {
    public:
        explicit engine(QStringList& texts) : QPaintEngine(QPaintEngine::AllFeatures), texts_(texts) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF&, const QTextItem& item) override { texts_ << item.text(); }
        Type type() const override { return User; }

    private:
        QStringList& texts_;
    };
    mutable engine engine_{texts};
};

}  // namespace bench::testing
