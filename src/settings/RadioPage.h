#pragma once

#include "config/NstValues.h"
#include "link/Instructions.h"
#include "link/RadioMemories.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QGridLayout;
class QLineEdit;

namespace orfa::settings {

// The page "Rádio": the nine memories of the amplifier's radio (frequency and stereo flag,
// kept in the amplifier) with their names (kept with the shared settings), memories 1 to 5
// on the left and 6 to 9 on the right, and the buttons that read and store the memories.
class RadioPage : public QWidget {
    Q_OBJECT
public:
    explicit RadioPage(QWidget* parent = nullptr);

    // Shows the memories as the amplifier sent them.
    void showMemories(const link::RadioMemories& memories);

    // The memories' names, kept with the shared settings.
    void load(const config::NstValues& values);
    void store(config::NstValues& values) const;

    // Memory k, 1..9.
    QLineEdit* frequencyField(int memory) const { return at(frequency_, memory); }
    QCheckBox* stereoBox(int memory) const { return at(stereo_, memory); }
    QLineEdit* nameField(int memory) const { return at(name_, memory); }

Q_SIGNALS:
    void loadClicked();  // "Načti paměti"
    void storeClicked(); // "Ulož paměti"

private:
    template <typename T>
    static T* at(const std::array<T*, link::kRadioMemoryCount>& row, int memory) {
        return row.at(static_cast<std::size_t>(memory - 1));
    }
    void buildColumn(QGridLayout* grid, int column, int first, int last);

    std::array<QLineEdit*, link::kRadioMemoryCount> frequency_{}; // memoryFrequency<k>
    std::array<QLineEdit*, link::kRadioMemoryCount> name_{};      // memoryName<k>
    std::array<QCheckBox*, link::kRadioMemoryCount> stereo_{};    // memoryStereo<k>
};

} // namespace orfa::settings
