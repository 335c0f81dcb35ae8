#include "profiles/ChoiceBinding.h"

#include <QComboBox>

#include <memory>

namespace {

QStringList EntriesOf(const QComboBox* view) {
    QStringList entries;
    for (int i = 0; i < view->count(); ++i)
        entries << view->itemText(i);
    return entries;
}

} // namespace

void ShowChoiceList(QComboBox* view, TChoiceList list) {
    TConversionChoice& choice = Choice();
    // While the view follows the choice, its own changes are the choice's.
    auto following = std::make_shared<bool>(false);
    const auto follow = [view, list, &choice, following] {
        *following = true;
        if (EntriesOf(view) != choice.Entries(list)) {
            view->clear();
            view->addItems(choice.Entries(list));
        }
        view->setCurrentIndex(choice.Position(list));
        *following = false;
    };
    follow();
    QObject::connect(&choice, &TConversionChoice::ListChanged, view,
                     [follow, list](TChoiceList changed) {
                         if (changed == list)
                             follow();
                     });
    QObject::connect(view, &QComboBox::currentIndexChanged, &choice,
                     [list, &choice, following](int index) {
                         if (!*following)
                             choice.Select(list, index);
                     });
}
