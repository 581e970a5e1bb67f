// What the status line says about the place under the pointer: the name of a
// connection point as the trainer prints it, with the power on its node's
// value in words, the chip pins on that node, and what a click would do; or
// the chip under the pointer and its pin. Read from the bench's tables as they
// stand: nothing here evaluates the circuit.
#pragma once

#include <QString>

#include "bench_model.h"

namespace bench {

// "面包板第2组 第21列", "上总线 第7段", "LED 7", "数码管 a段", "K3", "+5V", "GND",
// "CP", "P+", "P-"; empty for a pair without a place.
QString point_name(int row, int column);

// 低电平, 高电平, 悬空, 输出冲突, 外部冲突 or 未加电; empty for codes without words.
QString value_words(lgsim::value_code code);

// The node of a connection point: the node of the first wire ending on its
// strip, else of the first chip pin on it; 0 for none.
int node_at_point(const bench_model& bench, int row, int column);

// "U2 74LS00 脚3" for every chip pin on a node, in chip and pin order.
QString pins_on_node(const bench_model& bench, int node);

// The pointer over connection point (row, column), no chip under it.
QString text_over_point(const bench_model& bench, int row, int column);

// The pointer over chip k; (row, column) is the connection point under it,
// if any (-1 otherwise), which names the pin.
QString text_over_chip(const bench_model& bench, int chip, int row, int column);

}  // namespace bench
