// New random (version 4) identifiers for puzzles and saved games.
#include "platform/random_guid_source.h"

#include <QUuid>
#include <algorithm>

Guid RandomGuidSource::NewGuid() {
    // QUuid keeps the same four fields as Guid, so the text of one is the text of the other.
    const QUuid uuid = QUuid::createUuid();
    Guid guid;
    guid.Data1 = uuid.data1;
    guid.Data2 = uuid.data2;
    guid.Data3 = uuid.data3;
    std::copy(std::begin(uuid.data4), std::end(uuid.data4), guid.Data4.begin());
    return guid;
}
