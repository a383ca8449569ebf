#pragma once

#include <cstdint>

// Stores a record with a name and a status: the processing status of an inbox item, the status
// of any other record that has one.
template <class Store>
typename Store::Record* add_record(Store& store, const char* name, int32_t status) {
  typename Store::Record r;
  r.name = name;
  if constexpr (requires { r.process_status; })
    r.process_status = status;
  else
    r.status = status;
  return store.add_copy(&r);
}
