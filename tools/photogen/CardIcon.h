#pragma once

#include <QImage>

// Square application icon: a simplified card whose shapes stay readable down to 48 x 48.
class CardIcon
{
public:
    explicit CardIcon(int size);
    QImage render() const;

private:
    int m_size;
};
