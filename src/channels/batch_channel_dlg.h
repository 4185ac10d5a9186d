#pragma once

#include "image/batch_generator.h"

#include <QDialog>

#include <array>

class CProgramView;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

// "信道编辑" for many channels: "应用" generates the range into the image and reloads the
// view's grid; the dialog stays open for the next range until "取消" or the close box.
class CBatchChannelDlg : public QDialog {
    Q_OBJECT
  public:
    CBatchChannelDlg(CProgramView& view, QWidget* parent);

    void ApplyBatch();
    BatchSettings ReadSettings() const;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    QGroupBox* BuildRange();
    QGroupBox* BuildReceive();
    QGroupBox* BuildTransmit();
    QGroupBox* BuildReceiveTone();
    QGroupBox* BuildTransmitTone();
    QGroupBox* BuildOptions();
    QGroupBox* BuildName();
    void SetInitialState();
    void UpdateEnabling();
    void OnStartFocusLoss(QLineEdit* edit);
    void OnRangeFocusLoss(QLineEdit* edit);
    void LimitWhileTyped(QLineEdit* edit, int maximum);

    CProgramView& m_view;
    QRadioButton *m_all, *m_bandA, *m_bandB, *m_fromTo;
    QLineEdit *m_from, *m_to;
    QLineEdit *m_rxStart, *m_rxStep;
    QRadioButton *m_rxUp, *m_rxDown;
    QRadioButton *m_txSame, *m_txOffset, *m_txOwn;
    QLineEdit* m_offset;
    QRadioButton *m_plus, *m_minus;
    QLineEdit *m_txStart, *m_txStep;
    QRadioButton *m_txUp, *m_txDown;
    QComboBox* m_rxTone;
    QCheckBox* m_rxRandom;
    QLineEdit* m_rxInterval;
    QRadioButton *m_rxToneUp, *m_rxToneDown;
    QRadioButton *m_txToneSame, *m_txToneOwn;
    QComboBox* m_txTone;
    QCheckBox* m_txRandom;
    QLineEdit* m_txInterval;
    QRadioButton *m_txToneUp, *m_txToneDown;
    std::array<QComboBox*, kChannelOptionCount> m_options{};
    QLineEdit* m_name;
    QCheckBox* m_byChannel;
    QString m_startAtFocus;
};
