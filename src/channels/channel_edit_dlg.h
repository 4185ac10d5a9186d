#pragma once

#include "image/channel_edit_rules.h"

#include <QDialog>

#include <array>
#include <string>

class CSpinArrows;
class QComboBox;
class QLineEdit;

// "信道编辑": every field of one record, stepping through records with the channel number or
// its arrows. Each record is stored as the user leaves it and when the dialog closes.
class CChannelEditDlg : public QDialog {
    Q_OBJECT
  public:
    CChannelEditDlg(QWidget* parent, int record, const QString& rxText);
    ~CChannelEditDlg() override;

    void done(int result) override;
    int CurrentRecord() const { return m_record; }

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    void BuildForm();
    void InitLists();
    void LoadFromImage();
    void StoreToImage();
    ChannelEditValues ReadControls() const;
    void ShowValues(const ChannelEditValues& values);

    void OnReceiveCommit();
    void OnTransmitCommit();
    void OnToneFocusLoss(QComboBox* tone);
    void OnChannelNumberFocusLoss();
    void OnSpin(int delta);
    void CommitPending();
    bool HandleKey(QObject* object, int key);
    bool HandleFocusOut(QObject* object);

    QLineEdit* m_number;
    CSpinArrows* m_spin;
    QLineEdit* m_rx;
    QLineEdit* m_tx;
    QComboBox* m_rxTone;
    QComboBox* m_txTone;
    QLineEdit* m_name;
    std::array<QComboBox*, kChannelOptionCount> m_options{};

    int m_record;
    std::string m_committedRx;
    std::string m_txAtFocus;
    bool m_stored = false; // set once the closing store ran; later focus changes are ignored
};
