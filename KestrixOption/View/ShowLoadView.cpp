#include "ShowLoadView.h"

#include <QCoreApplication>
#include <QPainter>

#include <cmath>

namespace {

// "Loading.gif": the spinner, drawn in the look of the program.
class LoadingAnimation : public QWidget {
public:
    explicit LoadingAnimation(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("Loading.gif"));
        setAccessibleName(QCoreApplication::translate("ShowLoadView", "Loading"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        timer_.setInterval(ShowLoadView::kFrameMs);
        connect(&timer_, &QTimer::timeout, this, [this] {
            frame_ = (frame_ + 1) % ShowLoadView::kFrames;
            update();
        });
        timer_.start();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(6, 6, -6, -6);
        painter.setPen(QPen(QColor(0x05, 0x05, 0x06), 1));
        QLinearGradient fill(r.topLeft(), r.bottomLeft());
        fill.setColorAt(0, QColor(0x24, 0x26, 0x2b, 235));
        fill.setColorAt(1, QColor(0x0b, 0x0c, 0x0e, 235));
        painter.setBrush(fill);
        painter.drawRoundedRect(r, 14, 14);
        const QPointF centre = r.center() - QPointF(0, 10);
        const qreal outer = r.width() * 0.26, inner = outer * 0.52;
        for (int i = 0; i < ShowLoadView::kFrames; ++i) {
            const int age = (frame_ - i + ShowLoadView::kFrames) % ShowLoadView::kFrames;
            const qreal angle = i * 2 * M_PI / ShowLoadView::kFrames - M_PI / 2;
            QColor colour = age == 0 ? QColor(0xe8, 0x2a, 0x32) : QColor(0xc4, 0x14, 0x1c);
            colour.setAlphaF(float(std::max(0.12, 1.0 - age * 0.085)));
            painter.setPen(QPen(colour, 6, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(centre + QPointF(std::cos(angle), std::sin(angle)) * inner,
                             centre + QPointF(std::cos(angle), std::sin(angle)) * outer);
        }
        QFont font = this->font();
        font.setPixelSize(12);
        font.setBold(true);
        font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
        painter.setFont(font);
        painter.setPen(QColor(0xd8, 0xda, 0xde));
        painter.drawText(QRectF(r.left(), r.bottom() - 40, r.width(), 24), Qt::AlignCenter,
                         QCoreApplication::translate("ShowLoadView", "LOADING"));
    }

private:
    QTimer timer_;
    int frame_ = 0;
};

} // namespace

ShowLoadView::ShowLoadView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    resize(kSize);
}

void ShowLoadView::setAnt(bool animating) {
    if (animating == isAnimating())
        return;
    if (!animating) {
        delete showView_;
        showView_ = nullptr;
        return;
    }
    showView_ = new LoadingAnimation(this);
    showView_->setGeometry(rect());
    showView_->show();
}
