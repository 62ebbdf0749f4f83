#include "core/platform/job_observer.h"

namespace zorvik {

JobObserver::~JobObserver() = default;

} // namespace zorvik
