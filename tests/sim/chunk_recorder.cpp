#include "tests/sim/chunk_recorder.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "tests/sim/command_table.h"

namespace sim {

namespace {

std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", value);
  return text;
}

// The table entries: cdecl, as the host's commands are.
#define CDECL __attribute__((cdecl))
void CDECL Save_Begin_Chunk_Command(void* saver, uint32_t id) { ChunkRecorder::Instance().Save_Begin_Chunk(saver, id); }
void CDECL Save_Data_Command(void* saver, uint32_t id, uint32_t size, const void* data) {
  ChunkRecorder::Instance().Save_Data(saver, id, size, data);
}
void CDECL Save_End_Chunk_Command(void* saver) { ChunkRecorder::Instance().Save_End_Chunk(saver); }
bool CDECL Load_Open_Chunk_Command(void* loader, uint32_t* id) {
  return ChunkRecorder::Instance().Load_Open_Chunk(loader, id);
}
bool CDECL Load_Open_Micro_Chunk_Command(void* loader, uint32_t* id) {
  return ChunkRecorder::Instance().Load_Open_Micro_Chunk(loader, id);
}
void CDECL Load_Data_Command(void* loader, uint32_t size, void* data) {
  ChunkRecorder::Instance().Load_Data(loader, size, data);
}
void CDECL Load_Close_Micro_Chunk_Command(void* loader) { ChunkRecorder::Instance().Load_Close_Micro_Chunk(loader); }
void CDECL Load_Close_Chunk_Command(void* loader) { ChunkRecorder::Instance().Load_Close_Chunk(loader); }
#undef CDECL

}  // namespace

ChunkRecorder& ChunkRecorder::Instance() {
  static ChunkRecorder recorder;
  return recorder;
}

void ChunkRecorder::Reset() {
  saved_.clear();
  saving_ = false;
  Play_Back({});
  calls_.clear();
  faults_.clear();
}

void ChunkRecorder::Play_Back(std::vector<Chunk> chunks) {
  playback_ = std::move(chunks);
  next_chunk_ = 0;
  chunk_open_ = micro_open_ = false;
  next_micro_ = read_offset_ = 0;
}

bool ChunkRecorder::Check_Saver(void* saver, const char* command) {
  if (saver == &saver_) return true;
  Fault(std::string(command) + " with a foreign saver");
  return false;
}

bool ChunkRecorder::Check_Loader(void* loader, const char* command) {
  if (loader == &loader_) return true;
  Fault(std::string(command) + " with a foreign loader");
  return false;
}

void ChunkRecorder::Save_Begin_Chunk(void* saver, uint32_t id) {
  Call("save begin chunk " + Hex(id));
  if (!Check_Saver(saver, "save begin chunk")) return;
  if (saving_) Fault("save begin chunk inside an open chunk");
  saved_.push_back(Chunk{id, {}});
  saving_ = true;
}

void ChunkRecorder::Save_Data(void* saver, uint32_t id, uint32_t size, const void* data) {
  Call("save data " + std::to_string(id) + ", " + std::to_string(size) + " bytes");
  if (!Check_Saver(saver, "save data")) return;
  if (!saving_) return Fault("save data outside a chunk");
  const auto* bytes = static_cast<const uint8_t*>(data);
  saved_.back().micro_chunks.push_back(MicroChunk{id, std::vector<uint8_t>(bytes, bytes + size)});
}

void ChunkRecorder::Save_End_Chunk(void* saver) {
  Call("save end chunk");
  if (!Check_Saver(saver, "save end chunk")) return;
  if (!saving_) Fault("save end chunk without an open chunk");
  saving_ = false;
}

bool ChunkRecorder::Load_Open_Chunk(void* loader, uint32_t* id) {
  if (!Check_Loader(loader, "load open chunk")) return false;
  if (chunk_open_) Fault("load open chunk while a chunk is open");
  if (next_chunk_ == playback_.size()) {
    Call("load open chunk: none left");
    return false;
  }
  *id = playback_[next_chunk_].id;
  Call("load open chunk " + Hex(*id));
  chunk_open_ = true;
  micro_open_ = false;
  next_micro_ = 0;
  return true;
}

bool ChunkRecorder::Load_Open_Micro_Chunk(void* loader, uint32_t* id) {
  if (!Check_Loader(loader, "load open micro-chunk")) return false;
  if (!chunk_open_) {
    Fault("load open micro-chunk outside a chunk");
    return false;
  }
  if (micro_open_) Fault("load open micro-chunk while one is open");
  const Chunk& chunk = playback_[next_chunk_];
  if (next_micro_ == chunk.micro_chunks.size()) {
    Call("load open micro-chunk: none left");
    return false;
  }
  *id = chunk.micro_chunks[next_micro_].id;
  Call("load open micro-chunk " + std::to_string(*id));
  micro_open_ = true;
  read_offset_ = 0;
  return true;
}

void ChunkRecorder::Load_Data(void* loader, uint32_t size, void* data) {
  Call("load data " + std::to_string(size) + " bytes");
  if (!Check_Loader(loader, "load data")) return;
  if (!micro_open_) return Fault("load data outside a micro-chunk");
  const MicroChunk& micro = playback_[next_chunk_].micro_chunks[next_micro_];
  const size_t available = micro.bytes.size() - read_offset_;
  if (size > available)
    Fault("load data of " + std::to_string(size) + " bytes with " + std::to_string(available) + " left in micro-chunk " +
          std::to_string(micro.id));
  const size_t count = std::min<size_t>(size, available);
  if (count) std::memcpy(data, micro.bytes.data() + read_offset_, count);
  read_offset_ += count;
}

void ChunkRecorder::Load_Close_Micro_Chunk(void* loader) {
  Call("load close micro-chunk");
  if (!Check_Loader(loader, "load close micro-chunk")) return;
  if (!micro_open_) return Fault("load close micro-chunk without an open one");
  micro_open_ = false;
  ++next_micro_;
}

void ChunkRecorder::Load_Close_Chunk(void* loader) {
  Call("load close chunk");
  if (!Check_Loader(loader, "load close chunk")) return;
  if (!chunk_open_) return Fault("load close chunk without an open one");
  if (micro_open_) Fault("load close chunk with a micro-chunk open");
  chunk_open_ = micro_open_ = false;
  ++next_chunk_;
}

void Install_Chunk_Commands(CommandTableRecord& table) {
  table.Set(chunk_word::Save_Data, reinterpret_cast<const void*>(&Save_Data_Command));
  table.Set(chunk_word::Load_Open_Micro_Chunk, reinterpret_cast<const void*>(&Load_Open_Micro_Chunk_Command));
  table.Set(chunk_word::Load_Data, reinterpret_cast<const void*>(&Load_Data_Command));
  table.Set(chunk_word::Load_Close_Micro_Chunk, reinterpret_cast<const void*>(&Load_Close_Micro_Chunk_Command));
  table.Set(chunk_word::Save_Begin_Chunk, reinterpret_cast<const void*>(&Save_Begin_Chunk_Command));
  table.Set(chunk_word::Save_End_Chunk, reinterpret_cast<const void*>(&Save_End_Chunk_Command));
  table.Set(chunk_word::Load_Open_Chunk, reinterpret_cast<const void*>(&Load_Open_Chunk_Command));
  table.Set(chunk_word::Load_Close_Chunk, reinterpret_cast<const void*>(&Load_Close_Chunk_Command));
}

}  // namespace sim
