<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>bench</name>
    <message>
        <source>电路名称：</source>
        <translation>Circuit name:</translation>
    </message>
    <message>
        <source>电路名称: %1</source>
        <translation>Circuit name: %1</translation>
    </message>
</context>
<context>
    <name>bench actions</name>
    <message>
        <source>保存电路</source>
        <translation>Save circuit</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>调用电路</source>
        <translation>Open circuit</translation>
    </message>
    <message>
        <source>清 空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>操作说明</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>删除芯片</source>
        <translation>Delete chip</translation>
    </message>
    <message>
        <source>放下连线</source>
        <translation>Put down wire</translation>
    </message>
</context>
<context>
    <name>bench::chip_box</name>
    <message>
        <source>查找型号或名称，如 138、计数器</source>
        <translation>Find a model or name: 138, counter</translation>
    </message>
    <message>
        <source>器件盒</source>
        <translation>Chip box</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>逻辑门</source>
        <translation>Gates</translation>
    </message>
    <message>
        <source>触发器</source>
        <translation>Flip-flops</translation>
    </message>
    <message>
        <source>译码计数</source>
        <translation>Decoders, counters</translation>
    </message>
    <message>
        <source>其它</source>
        <translation>Others</translation>
    </message>
</context>
<context>
    <name>bench::help_window</name>
    <message>
        <source>操作说明</source>
        <translation>Instructions</translation>
    </message>
</context>
<context>
    <name>bench::lab_panel</name>
    <message>
        <source>实验单</source>
        <translation>Lab sheet</translation>
    </message>
    <message>
        <source>检查电路</source>
        <translation>Check circuit</translation>
    </message>
    <message>
        <source>打开实验单…</source>
        <translation>Open lab sheet…</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>检查项</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>应为</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>实际</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>共 %1 项</source>
        <translation>%1 checks</translation>
    </message>
    <message>
        <source>正在检查…</source>
        <translation>Checking…</translation>
    </message>
    <message>
        <source>通过</source>
        <translation>passed</translation>
    </message>
    <message>
        <source>未通过</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>通过 %1 / %2 项</source>
        <translation>%1 of %2 passed</translation>
    </message>
    <message>
        <source>检查超过 %1 秒，已停止</source>
        <translation>The check took more than %1 s and was stopped</translation>
    </message>
    <message>
        <source>电路无法运行：%1</source>
        <translation>The circuit cannot run: %1</translation>
    </message>
</context>
<context>
    <name>bench::lab_tools</name>
    <message>
        <source>实验单</source>
        <translation>Lab sheet</translation>
    </message>
    <message>
        <source>真值表</source>
        <translation>Truth table</translation>
    </message>
</context>
<context>
    <name>bench::main_window</name>
    <message>
        <source>电路文件</source>
        <translation>Circuit files</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>器件盒</source>
        <translation>Chip box</translation>
    </message>
    <message>
        <source>频率:</source>
        <translation>Rate:</translation>
    </message>
    <message>
        <source>万用表</source>
        <translation>Multimeter</translation>
    </message>
    <message>
        <source>示波器</source>
        <translation>Oscilloscope</translation>
    </message>
    <message>
        <source>放置芯片</source>
        <translation>place chip</translation>
    </message>
    <message>
        <source>调用电路</source>
        <translation>open circuit</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>clear</translation>
    </message>
    <message>
        <source>数码管模块</source>
        <translation>Display module</translation>
    </message>
    <message>
        <source>移动芯片</source>
        <translation>move chip</translation>
    </message>
    <message>
        <source>删除芯片</source>
        <translation>delete chip</translation>
    </message>
    <message>
        <source>拆除连线</source>
        <translation>remove wire</translation>
    </message>
    <message>
        <source>连线</source>
        <translation>wire</translation>
    </message>
    <message>
        <source>数字电路虚拟实验台</source>
        <translation>Digital Circuit Lab Bench</translation>
    </message>
    <message>
        <source>撤销 %1 (Ctrl+Z)</source>
        <translation>Undo %1 (Ctrl+Z)</translation>
    </message>
    <message>
        <source>重做 %1 (Ctrl+Y)</source>
        <translation>Redo %1 (Ctrl+Y)</translation>
    </message>
    <message>
        <source>未命名电路</source>
        <translation>Untitled circuit</translation>
    </message>
    <message>
        <source>已撤销：%1</source>
        <translation>Undone: %1</translation>
    </message>
    <message>
        <source>已重做：%1</source>
        <translation>Redone: %1</translation>
    </message>
    <message>
        <source>那里的插孔已被另一块芯片占用，芯片放回原处</source>
        <translation>Another chip uses those holes: the chip went back where it was</translation>
    </message>
    <message>
        <source>那里的插孔已被另一块芯片占用，芯片没有放上</source>
        <translation>Another chip uses those holes: the chip was not placed</translation>
    </message>
    <message>
        <source>面包板上已没有空位放这块芯片</source>
        <translation>The breadboard has no free place for this chip</translation>
    </message>
    <message>
        <source>电路已满，不能再放芯片</source>
        <translation>The circuit is full: no more chips can be placed</translation>
    </message>
    <message>
        <source>已保存 %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <source>当前电路已修改，要先保存吗?</source>
        <translation>The circuit has changed. Save it first?</translation>
    </message>
    <message>
        <source>电路%1已修改，要先保存吗?</source>
        <translation>The circuit %1 has changed. Save it first?</translation>
    </message>
</context>
<context>
    <name>bench::pinout_window</name>
    <message>
        <source>芯片引脚和功能</source>
        <translation>Chip pins and function</translation>
    </message>
</context>
<context>
    <name>bench::truth_table_dialog</name>
    <message>
        <source>真值表</source>
        <translation>Truth table</translation>
    </message>
    <message>
        <source>输入：拨动开关（最多 8 个，号小的为高位）</source>
        <translation>Inputs: toggle switches (up to 8, the lowest number is the highest bit)</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>指示灯</source>
        <translation>LEDs</translation>
    </message>
    <message>
        <source>数码管第 %1 位</source>
        <translation>Display digit %1</translation>
    </message>
    <message>
        <source>连接点 行</source>
        <translation>Point: row</translation>
    </message>
    <message>
        <source>列</source>
        <translation>column</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>双击删除</source>
        <translation>Double-click to remove</translation>
    </message>
    <message>
        <source>每行拨好开关后走时钟节拍</source>
        <translation>Clock ticks after each row sets its switches</translation>
    </message>
    <message>
        <source>生成真值表</source>
        <translation>Make truth table</translation>
    </message>
    <message>
        <source>导出 CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>存为实验单…</source>
        <translation>Save as lab sheet…</translation>
    </message>
    <message>
        <source>显示器 U%1</source>
        <translation>Display U%1</translation>
    </message>
    <message>
        <source>请至少选一个输入开关</source>
        <translation>Choose at least one input switch</translation>
    </message>
    <message>
        <source>请至少选一个输出</source>
        <translation>Choose at least one output</translation>
    </message>
    <message>
        <source>共 %1 行：每种组合都在电路的副本上运行，实验台上的电路没有改变。</source>
        <translation>%1 rows: every combination ran on a copy of the circuit; the circuit on the bench has not changed.</translation>
    </message>
    <message>
        <source>%1 真值表</source>
        <translation>%1 truth table</translation>
    </message>
</context>
<context>
    <name>board</name>
    <message>
        <source>器件盒</source>
        <translation>Chip box</translation>
    </message>
    <message>
        <source>电路文件</source>
        <translation>Circuit files</translation>
    </message>
    <message>
        <source>指示灯</source>
        <translation>LEDs</translation>
    </message>
    <message>
        <source>电源</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>时钟</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>单脉冲</source>
        <translation>Pulse</translation>
    </message>
    <message>
        <source>连接线</source>
        <translation>Wires</translation>
    </message>
    <message>
        <source>数码管</source>
        <translation>Display</translation>
    </message>
</context>
<context>
    <name>chip description</name>
    <message>
        <source>四2输入与非门</source>
        <translation>Quad 2-input NAND gate</translation>
    </message>
    <message>
        <source>四2输入或非门</source>
        <translation>Quad 2-input NOR gate</translation>
    </message>
    <message>
        <source>六反向器</source>
        <translation>Hex inverter</translation>
    </message>
    <message>
        <source>四2输入与门</source>
        <translation>Quad 2-input AND gate</translation>
    </message>
    <message>
        <source>四2输入与门（OC）</source>
        <translation>Quad 2-input AND gate (OC)</translation>
    </message>
    <message>
        <source>三3输入与门</source>
        <translation>Triple 3-input AND gate</translation>
    </message>
    <message>
        <source>双4输入与非门</source>
        <translation>Dual 4-input NAND gate</translation>
    </message>
    <message>
        <source>三3输入或非门</source>
        <translation>Triple 3-input NOR gate</translation>
    </message>
    <message>
        <source>8输入与非门</source>
        <translation>8-input NAND gate</translation>
    </message>
    <message>
        <source>四2输入或门</source>
        <translation>Quad 2-input OR gate</translation>
    </message>
    <message>
        <source>双4输入与非缓冲器</source>
        <translation>Dual 4-input NAND buffer</translation>
    </message>
    <message>
        <source>七段译码/驱动器</source>
        <translation>7-segment decoder/driver</translation>
    </message>
    <message>
        <source>2-2、3-3输入与或非门</source>
        <translation>2-2, 3-3 input AND-OR-invert</translation>
    </message>
    <message>
        <source>双上升沿D型触发器</source>
        <translation>Dual rising-edge D flip-flop</translation>
    </message>
    <message>
        <source>四2输入异或门</source>
        <translation>Quad 2-input XOR gate</translation>
    </message>
    <message>
        <source>双下降沿J-K触发器</source>
        <translation>Dual falling-edge J-K flip-flop</translation>
    </message>
    <message>
        <source>四总线缓冲器</source>
        <translation>Quad bus buffer</translation>
    </message>
    <message>
        <source>3-8译码器</source>
        <translation>3-to-8 decoder</translation>
    </message>
    <message>
        <source>8线－3线优先编码器</source>
        <translation>8-to-3 line priority encoder</translation>
    </message>
    <message>
        <source>8选1数据选择器</source>
        <translation>8-to-1 data selector</translation>
    </message>
    <message>
        <source>双4选1数据选择器</source>
        <translation>Dual 4-to-1 data selector</translation>
    </message>
    <message>
        <source>四位十进制同步计数器(异步清除)</source>
        <translation>Decade counter, asynchronous clear</translation>
    </message>
    <message>
        <source>双进位全加器</source>
        <translation>Dual carry-save full adder</translation>
    </message>
    <message>
        <source>四位十进制同步加/减计数器</source>
        <translation>Up/down decade counter</translation>
    </message>
    <message>
        <source>四位双向移位寄存器</source>
        <translation>4-bit bidirectional shift register</translation>
    </message>
    <message>
        <source>带清除复位八D触发器</source>
        <translation>Octal D flip-flop with clear</translation>
    </message>
    <message>
        <source>双D触发器</source>
        <translation>Dual D flip-flop</translation>
    </message>
    <message>
        <source>双上升沿J-K触发器</source>
        <translation>Dual rising-edge J-K flip-flop</translation>
    </message>
    <message>
        <source>七段译码驱动器</source>
        <translation>7-segment latch/decoder/driver</translation>
    </message>
    <message>
        <source>双BCD同步加计数器</source>
        <translation>Dual BCD up counter</translation>
    </message>
    <message>
        <source>七段数码显示器</source>
        <translation>7-segment display</translation>
    </message>
</context>
<context>
    <name>circuit file</name>
    <message>
        <source>文件%1不存在</source>
        <translation>File %1 does not exist</translation>
    </message>
    <message>
        <source>文件%1写错误</source>
        <translation>File %1 could not be written</translation>
    </message>
    <message>
        <source>文件%1格式错误</source>
        <translation>File %1 is not in the circuit format</translation>
    </message>
    <message>
        <source>文件%1已存在，重写它吗?</source>
        <translation>File %1 already exists. Overwrite it?</translation>
    </message>
    <message>
        <source>警告信息</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>file menu</name>
    <message>
        <source>保存电路</source>
        <translation>Save circuit</translation>
    </message>
    <message>
        <source>调用电路</source>
        <translation>Open circuit</translation>
    </message>
    <message>
        <source>清 空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>撤 销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重 做</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>file prompts</name>
    <message>
        <source>电路(*.cir)</source>
        <translation>Circuits (*.cir)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>help</name>
    <message>
        <source>1.点击左上角图标     ，可调用系统提供的电路或保存当前电路;</source>
        <translation>1. Click the icon            at the top left to load a shipped circuit or save the current one;</translation>
    </message>
    <message>
        <source>2.从左侧器件库中取出(拖动图片、或单击名称)芯片;</source>
        <translation>2. Take chips from the chip box at the left (drag a picture, or click a name);</translation>
    </message>
    <message>
        <source>3.右击芯片可查看逻辑图，双击则删除；</source>
        <translation>3. Right-click a chip to see its logic diagram, double-click it to remove it;</translation>
    </message>
    <message>
        <source>4.右上角单击连接线取线后，再单击连接点插线连接，右击可折线。</source>
        <translation>4. Click a wire at the top right to take it, then click connection points to plug it in; a right click makes a bend.</translation>
    </message>
    <message>
        <source>连接点包括：下方电源、拨动开关、脉冲按钮，上方的指示灯和</source>
        <translation>The connection points are the power, toggle switch and pulse button terminals below, the LEDs above</translation>
    </message>
    <message>
        <source>右侧的数码管；</source>
        <translation>and the display at the right;</translation>
    </message>
    <message>
        <source>5.打开电源开关，单击有关拨动开关，即可查看LED或数码管指示变化。</source>
        <translation>5. Switch the power on and click the toggle switches to watch the LEDs or the display change.</translation>
    </message>
    <message>
        <source>亦可用右侧万用表测量高/低电平或接点连通性。</source>
        <translation>The multimeter at the right measures high and low levels or continuity.</translation>
    </message>
    <message>
        <source>6.万用表：左键或右键单击量程旋钮可向两个方向换挡，指针随即按新量程重新测量。</source>
        <translation>6. Multimeter: a left or right click on the range knob turns it either way, and the needle measures again at the new range.</translation>
    </message>
    <message>
        <source>7.示波器：单击电源开关打开或关闭显示；单击旋钮和开关换挡，上下拖动位置旋钮移动波形；把探头拖到连接点上即可观察波形。</source>
        <translation>7. Oscilloscope: click the power switch to turn the display on or off; click knobs and switches to change their setting, drag a position knob up or down to move its trace; drag the probe onto a connection point to watch its waveform.</translation>
    </message>
    <message>
        <source>8.频率滑条：调节时钟快慢，右端最快，左侧方框显示当前数值。</source>
        <translation>8. Rate bar: sets how fast the clock runs, fastest at the right end; the box at its left shows the present value.</translation>
    </message>
    <message>
        <source>9.撤销与重做：放置、移动、删除芯片，连线、拆线、清空和调用电路都可以撤销（Ctrl+Z）和重做（Ctrl+Y 或 Ctrl+Shift+Z）；电源、开关和脉冲按钮的操作不在其中。</source>
        <translation>9. Undo and redo: placing, moving and deleting chips, drawing and removing wires, clearing and loading circuits can all be undone (Ctrl+Z) and redone (Ctrl+Y or Ctrl+Shift+Z); the power, the switches and the pulse buttons are not among them.</translation>
    </message>
    <message>
        <source>10.快捷键：Ctrl+S 保存电路，Ctrl+Shift+S 另存为，Ctrl+O 调用电路，F1 打开说明，Delete 删除指针下的芯片，Esc 放下手中的连线。</source>
        <translation>10. Keys: Ctrl+S saves the circuit, Ctrl+Shift+S saves it under a new name, Ctrl+O loads a circuit, F1 opens these instructions, Delete removes the chip under the pointer, Esc puts down the wire in hand.</translation>
    </message>
</context>
<context>
    <name>lab messages</name>
    <message>
        <source>实验单 %1 第 %2 行</source>
        <translation>Lab sheet %1, line %2</translation>
    </message>
    <message>
        <source>找不到实验单 %1</source>
        <translation>Lab sheet %1 not found</translation>
    </message>
    <message>
        <source>实验单 %1 无法读取</source>
        <translation>Lab sheet %1 cannot be read</translation>
    </message>
    <message>
        <source>%1 太大，不是实验单</source>
        <translation>%1 is too large to be a lab sheet</translation>
    </message>
    <message>
        <source>不是 UTF-8 文本</source>
        <translation> is not UTF-8 text</translation>
    </message>
    <message>
        <source>：无法识别的步骤“%1”</source>
        <translation>: the step “%1” is unknown</translation>
    </message>
    <message>
        <source>：“%1”前面没有读取步骤（leds、digits、point、pin、display、measure、capture）</source>
        <translation>: “%1” follows no reading step (leds, digits, point, pin, display, measure, capture)</translation>
    </message>
    <message>
        <source>：第 %1 行的读取步骤已经有了应得结果</source>
        <translation>: the reading step on line %1 already has its expected result</translation>
    </message>
    <message>
        <source>：“%1”与第 %2 行步骤的输出格式不符</source>
        <translation>: “%1” is not what the step on line %2 prints</translation>
    </message>
    <message>
        <source>实验单 %1 没有要检查的项</source>
        <translation>Lab sheet %1 has nothing to check</translation>
    </message>
</context>
<context>
    <name>lab panel</name>
    <message>
        <source>第 %1 行</source>
        <translation>Line %1</translation>
    </message>
</context>
<context>
    <name>lab prompts</name>
    <message>
        <source>实验单(*.lab)</source>
        <translation>Lab sheets (*.lab)</translation>
    </message>
    <message>
        <source>CSV 表格(*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>打开实验单</source>
        <translation>Open lab sheet</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>加载电路文件，报告芯片和导线的数目后退出。</source>
        <translation>Load the circuit file, report its chips and wires, and quit.</translation>
    </message>
    <message>
        <source>启动时打开的电路文件。</source>
        <translation>A circuit file to open at start.</translation>
    </message>
    <message>
        <source>--report-load 需要一个电路文件</source>
        <translation>--report-load needs one circuit file</translation>
    </message>
</context>
<context>
    <name>meter</name>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>ACV</source>
        <translation>ACV</translation>
    </message>
    <message>
        <source>DCV</source>
        <translation>DCV</translation>
    </message>
    <message>
        <source>AC</source>
        <translation>AC</translation>
    </message>
</context>
<context>
    <name>oscilloscope</name>
    <message>
        <source>CH1</source>
        <translation>CH1</translation>
    </message>
    <message>
        <source>VOLTS/DIV</source>
        <translation>VOLTS/DIV</translation>
    </message>
    <message>
        <source>POSITION</source>
        <translation>POSITION</translation>
    </message>
    <message>
        <source>CH2</source>
        <translation>CH2</translation>
    </message>
    <message>
        <source>DUAL</source>
        <translation>DUAL</translation>
    </message>
    <message>
        <source>IN</source>
        <translation>IN</translation>
    </message>
    <message>
        <source>ALT</source>
        <translation>ALT</translation>
    </message>
    <message>
        <source>CHOP</source>
        <translation>CHOP</translation>
    </message>
    <message>
        <source>GND</source>
        <translation>GND</translation>
    </message>
    <message>
        <source>POWER</source>
        <translation>POWER</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>SHIFT</translation>
    </message>
    <message>
        <source>TIME/DIV</source>
        <translation>TIME/DIV</translation>
    </message>
    <message>
        <source>DUAL TRACE OSCILLOSCOPE</source>
        <translation>DUAL TRACE OSCILLOSCOPE</translation>
    </message>
    <message>
        <source>TWO CHANNEL</source>
        <translation>TWO CHANNEL</translation>
    </message>
    <message>
        <source>AC</source>
        <translation>AC</translation>
    </message>
    <message>
        <source>DC</source>
        <translation>DC</translation>
    </message>
</context>
<context>
    <name>pinout</name>
    <message>
        <source>四个独立的2输入与非门</source>
        <translation>Quad 2-input NAND gate</translation>
    </message>
    <message>
        <source>Y = /(A·B)：输入全为1时输出0，否则输出1</source>
        <translation>Y = /(A·B): output 0 when all inputs are 1, else 1</translation>
    </message>
    <message>
        <source>四个独立的2输入或非门</source>
        <translation>Quad 2-input NOR gate</translation>
    </message>
    <message>
        <source>Y = /(A+B)：输入有1时输出0，全为0时输出1</source>
        <translation>Y = /(A+B): output 0 when any input is 1, 1 when all are 0</translation>
    </message>
    <message>
        <source>六个独立的反相器</source>
        <translation>Hex inverter</translation>
    </message>
    <message>
        <source>Y = /A：输入为1时输出0，输入为0时输出1</source>
        <translation>Y = /A: output 0 when input is 1, 1 when input is 0</translation>
    </message>
    <message>
        <source>四个独立的2输入与门</source>
        <translation>Quad 2-input AND gate</translation>
    </message>
    <message>
        <source>Y = A·B：输入全为1时输出1，否则输出0</source>
        <translation>Y = A·B: output 1 when all inputs are 1, else 0</translation>
    </message>
    <message>
        <source>四个独立的2输入与门，集电极开路（OC）输出</source>
        <translation>Quad 2-input AND gate, open-collector (OC) outputs</translation>
    </message>
    <message>
        <source>在本实验台上 OC 输出不需外接上拉电阻</source>
        <translation>On this bench OC outputs need no external pull-up resistor</translation>
    </message>
    <message>
        <source>三个独立的3输入与门</source>
        <translation>Triple 3-input AND gate</translation>
    </message>
    <message>
        <source>Y = A·B·C：输入全为1时输出1，否则输出0</source>
        <translation>Y = A·B·C: output 1 when all inputs are 1, else 0</translation>
    </message>
    <message>
        <source>两个独立的4输入与非门</source>
        <translation>Dual 4-input NAND gate</translation>
    </message>
    <message>
        <source>Y = /(A·B·C·D)：输入全为1时输出0，否则输出1</source>
        <translation>Y = /(A·B·C·D): output 0 when all inputs are 1, else 1</translation>
    </message>
    <message>
        <source>NC：空脚</source>
        <translation>NC: no connection</translation>
    </message>
    <message>
        <source>三个独立的3输入或非门</source>
        <translation>Triple 3-input NOR gate</translation>
    </message>
    <message>
        <source>Y = /(A+B+C)：输入有1时输出0，全为0时输出1</source>
        <translation>Y = /(A+B+C): output 0 when any input is 1, 1 when all are 0</translation>
    </message>
    <message>
        <source>一个8输入与非门</source>
        <translation>8-input NAND gate</translation>
    </message>
    <message>
        <source>Y = /(A·B·C·D·E·F·G·H)</source>
        <translation>Y = /(A·B·C·D·E·F·G·H)</translation>
    </message>
    <message>
        <source>输入全为1时输出0，否则输出1</source>
        <translation>Output 0 when all inputs are 1, else 1</translation>
    </message>
    <message>
        <source>四个独立的2输入或门</source>
        <translation>Quad 2-input OR gate</translation>
    </message>
    <message>
        <source>Y = A+B：输入有1时输出1，全为0时输出0</source>
        <translation>Y = A+B: output 1 when any input is 1, 0 when all are 0</translation>
    </message>
    <message>
        <source>两个独立的4输入与非缓冲器</source>
        <translation>Dual 4-input NAND buffer</translation>
    </message>
    <message>
        <source>两个与或非门</source>
        <translation>Dual AND-OR-INVERT gate</translation>
    </message>
    <message>
        <source>1Y = /(1A·1B·1C + 1D·1E·1F)</source>
        <translation>1Y = /(1A·1B·1C + 1D·1E·1F)</translation>
    </message>
    <message>
        <source>2Y = /(2A·2B + 2C·2D)</source>
        <translation>2Y = /(2A·2B + 2C·2D)</translation>
    </message>
    <message>
        <source>任一与项的输入全为1时输出0，否则输出1</source>
        <translation>Output 0 when all inputs of any AND term are 1, else 1</translation>
    </message>
    <message>
        <source>四个独立的2输入异或门</source>
        <translation>Quad 2-input exclusive-OR (XOR) gate</translation>
    </message>
    <message>
        <source>Y = A⊕B：两输入不同时输出1，相同时输出0</source>
        <translation>Y = A⊕B: output 1 when inputs differ, 0 when equal</translation>
    </message>
    <message>
        <source>七段译码驱动：输入 DCBA（8421码），输出 a～g 为1时该段点亮</source>
        <translation>BCD-to-7-segment decoder/driver: input DCBA (8421), a~g=1 lights segment</translation>
    </message>
    <message>
        <source>0～9 显示数字（6、9 带尾），10～15 显示 A b C d E F</source>
        <translation>0~9 show digits (6, 9 with tails), 10~15 show A b C d E F</translation>
    </message>
    <message>
        <source>/LT=0：七段全亮（优先于 /BI）；/BI=0：七段全灭</source>
        <translation>/LT=0: all segments on (overrides /BI); /BI=0: all segments off</translation>
    </message>
    <message>
        <source>/RBI（5脚）不起作用</source>
        <translation>/RBI (pin 5) has no effect</translation>
    </message>
    <message>
        <source>七段译码锁存驱动：输入 DCBA（8421码），输出 a～g 为1时该段点亮</source>
        <translation>7-segment latch/decoder/driver: input DCBA (8421), a~g=1 lights segment</translation>
    </message>
    <message>
        <source>0～9 显示数字（6、9 不带尾），10～15 不显示</source>
        <translation>0~9 show digits (6, 9 without tails), 10~15 blank</translation>
    </message>
    <message>
        <source>/BI=0：七段全灭（优先于 /LT）；/LT=0：七段全亮</source>
        <translation>/BI=0: all segments off (overrides /LT); /LT=0: all segments on</translation>
    </message>
    <message>
        <source>LE=0：译码当前输入；LE=1（或悬空）：保持锁存的数字</source>
        <translation>LE=0: decode current input; LE=1 (or open): hold latched digit</translation>
    </message>
    <message>
        <source>四个独立的三态缓冲器</source>
        <translation>Quad 3-state buffer</translation>
    </message>
    <message>
        <source>/OE=0：Y = A</source>
        <translation>/OE=0: Y = A</translation>
    </message>
    <message>
        <source>/OE=1（或悬空）：Y 为高阻（断开）</source>
        <translation>/OE=1 (or open): Y is high-Z (disconnected)</translation>
    </message>
    <message>
        <source>1|×|高阻</source>
        <translation>1|×|Hi-Z</translation>
    </message>
    <message>
        <source>3线-8线译码器，输出低电平有效</source>
        <translation>3-to-8 line decoder, active-low outputs</translation>
    </message>
    <message>
        <source>G1=1 且 /G2A=/G2B=0 时：</source>
        <translation>When G1=1 and /G2A=/G2B=0:</translation>
    </message>
    <message>
        <source>/Yk = 0（k = 4C+2B+A），其余输出为1</source>
        <translation>/Yk = 0 (k = 4C+2B+A), other outputs 1</translation>
    </message>
    <message>
        <source>否则 8 个输出全为1</source>
        <translation>Otherwise all 8 outputs are 1</translation>
    </message>
    <message>
        <source>G1|/G2A|/G2B|C B A|输出</source>
        <translation>G1|/G2A|/G2B|C B A|Outputs</translation>
    </message>
    <message>
        <source>0|×|×|× × ×|全为1</source>
        <translation>0|×|×|× × ×|all 1</translation>
    </message>
    <message>
        <source>×|1|×|× × ×|全为1</source>
        <translation>×|1|×|× × ×|all 1</translation>
    </message>
    <message>
        <source>×|×|1|× × ×|全为1</source>
        <translation>×|×|1|× × ×|all 1</translation>
    </message>
    <message>
        <source>1|0|0|…|…</source>
        <translation>1|0|0|…|…</translation>
    </message>
    <message>
        <source>8线-3线优先编码器，输入、输出均为低电平有效</source>
        <translation>8-to-3 line priority encoder, active-low inputs and outputs</translation>
    </message>
    <message>
        <source>/EI=1：输出全为1</source>
        <translation>/EI=1: all outputs 1</translation>
    </message>
    <message>
        <source>/EI=0：取为0的最高位输入 /Ik，</source>
        <translation>/EI=0: take the highest-numbered input /Ik that is 0,</translation>
    </message>
    <message>
        <source>/A2 /A1 /A0 = k 的反码，/GS=0，/EO=1</source>
        <translation>/A2 /A1 /A0 = complement of k, /GS=0, /EO=1</translation>
    </message>
    <message>
        <source>/EI=0 且输入全为1：/GS=1，/EO=0</source>
        <translation>/EI=0 and all inputs 1: /GS=1, /EO=0</translation>
    </message>
    <message>
        <source>/EI|输入|/A2 /A1 /A0|/GS|/EO</source>
        <translation>/EI|Inputs|/A2 /A1 /A0|/GS|/EO</translation>
    </message>
    <message>
        <source>1|×|1 1 1|1|1</source>
        <translation>1|×|1 1 1|1|1</translation>
    </message>
    <message>
        <source>0|全为1|1 1 1|1|0</source>
        <translation>0|all 1|1 1 1|1|0</translation>
    </message>
    <message>
        <source>0|/I6=0，/I7=1|0 0 1|0|1</source>
        <translation>0|/I6=0, /I7=1|0 0 1|0|1</translation>
    </message>
    <message>
        <source>0|…|…|0|1</source>
        <translation>0|…|…|0|1</translation>
    </message>
    <message>
        <source>0|只有 /I0=0|1 1 1|0|1</source>
        <translation>0|only /I0=0|1 1 1|0|1</translation>
    </message>
    <message>
        <source>8选1数据选择器</source>
        <translation>8-to-1 data selector/multiplexer</translation>
    </message>
    <message>
        <source>/G=0：Y = Dk（k = 4C+2B+A），W = /Y</source>
        <translation>/G=0: Y = Dk (k = 4C+2B+A), W = /Y</translation>
    </message>
    <message>
        <source>/G=1（或悬空）：Y=0，W=1</source>
        <translation>/G=1 (or open): Y=0, W=1</translation>
    </message>
    <message>
        <source>1|× × ×|0|1</source>
        <translation>1|× × ×|0|1</translation>
    </message>
    <message>
        <source>0|…|…|…</source>
        <translation>0|…|…|…</translation>
    </message>
    <message>
        <source>双4选1数据选择器，A、B 为两组共用的选择端</source>
        <translation>Dual 4-to-1 data selector; A, B are shared select inputs</translation>
    </message>
    <message>
        <source>n/G=0：nY = nCk（k = 2B+A）</source>
        <translation>n/G=0: nY = nCk (k = 2B+A)</translation>
    </message>
    <message>
        <source>n/G=1（或悬空）：nY = 0</source>
        <translation>n/G=1 (or open): nY = 0</translation>
    </message>
    <message>
        <source>1|×|×|0</source>
        <translation>1|×|×|0</translation>
    </message>
    <message>
        <source>两个独立的一位全加器</source>
        <translation>Dual 1-bit full adder</translation>
    </message>
    <message>
        <source>CI 进位输入，S 和，CO 进位输出</source>
        <translation>CI carry in, S sum, CO carry out</translation>
    </message>
    <message>
        <source>S = A⊕B⊕CI</source>
        <translation>S = A⊕B⊕CI</translation>
    </message>
    <message>
        <source>CO = A·B + A·CI + B·CI</source>
        <translation>CO = A·B + A·CI + B·CI</translation>
    </message>
    <message>
        <source>两个独立的上升沿 D 触发器</source>
        <translation>Dual positive-edge-triggered D flip-flop</translation>
    </message>
    <message>
        <source>/PRE、/CLR 低电平有效：直接置1、清0</source>
        <translation>/PRE, /CLR active low: direct preset to 1, clear to 0</translation>
    </message>
    <message>
        <source>两者同时为0时清0优先</source>
        <translation>If both are 0, clear takes priority</translation>
    </message>
    <message>
        <source>CLK 上升沿时 Q 取 D 的值（D 须在上升沿之前稳定）</source>
        <translation>On CLK rising edge Q takes D (D must be stable before the edge)</translation>
    </message>
    <message>
        <source>0|1|×|×|1|0</source>
        <translation>0|1|×|×|1|0</translation>
    </message>
    <message>
        <source>1|0|×|×|0|1</source>
        <translation>1|0|×|×|0|1</translation>
    </message>
    <message>
        <source>0|0|×|×|0|1</source>
        <translation>0|0|×|×|0|1</translation>
    </message>
    <message>
        <source>1|1|↑|1|1|0</source>
        <translation>1|1|↑|1|1|0</translation>
    </message>
    <message>
        <source>1|1|↑|0|0|1</source>
        <translation>1|1|↑|0|0|1</translation>
    </message>
    <message>
        <source>1|1|其它|×|不变|不变</source>
        <translation>1|1|other|×|no change|no change</translation>
    </message>
    <message>
        <source>两个独立的下降沿 J-K 触发器</source>
        <translation>Dual negative-edge-triggered J-K flip-flop</translation>
    </message>
    <message>
        <source>CLK 下降沿时按 J、K 动作，/Q 总是 Q 的反</source>
        <translation>On CLK falling edge acts per J, K; /Q is always the inverse of Q</translation>
    </message>
    <message>
        <source>0|1|×|×|×|1</source>
        <translation>0|1|×|×|×|1</translation>
    </message>
    <message>
        <source>1|0|×|×|×|0</source>
        <translation>1|0|×|×|×|0</translation>
    </message>
    <message>
        <source>1|1|↓|0|0|不变</source>
        <translation>1|1|↓|0|0|no change</translation>
    </message>
    <message>
        <source>1|1|↓|0|1|0</source>
        <translation>1|1|↓|0|1|0</translation>
    </message>
    <message>
        <source>1|1|↓|1|0|1</source>
        <translation>1|1|↓|1|0|1</translation>
    </message>
    <message>
        <source>1|1|↓|1|1|翻转</source>
        <translation>1|1|↓|1|1|toggle</translation>
    </message>
    <message>
        <source>1|1|其它|×|×|不变</source>
        <translation>1|1|other|×|×|no change</translation>
    </message>
    <message>
        <source>SET、RESET 高电平有效，悬空也算有效，不用时接低电平</source>
        <translation>SET, RESET active high; open counts as active, tie low if unused</translation>
    </message>
    <message>
        <source>1|0|×|×|1|0</source>
        <translation>1|0|×|×|1|0</translation>
    </message>
    <message>
        <source>0|1|×|×|0|1</source>
        <translation>0|1|×|×|0|1</translation>
    </message>
    <message>
        <source>1|1|×|×|1|1</source>
        <translation>1|1|×|×|1|1</translation>
    </message>
    <message>
        <source>0|0|↑|1|1|0</source>
        <translation>0|0|↑|1|1|0</translation>
    </message>
    <message>
        <source>0|0|↑|0|0|1</source>
        <translation>0|0|↑|0|0|1</translation>
    </message>
    <message>
        <source>0|0|其它|×|不变|不变</source>
        <translation>0|0|other|×|no change|no change</translation>
    </message>
    <message>
        <source>两个独立的上升沿 J-K 触发器</source>
        <translation>Dual positive-edge-triggered J-K flip-flop</translation>
    </message>
    <message>
        <source>CLK 上升沿时按 J、K 动作</source>
        <translation>On CLK rising edge acts according to J, K</translation>
    </message>
    <message>
        <source>1|0|×|×|×|1|0</source>
        <translation>1|0|×|×|×|1|0</translation>
    </message>
    <message>
        <source>0|1|×|×|×|0|1</source>
        <translation>0|1|×|×|×|0|1</translation>
    </message>
    <message>
        <source>1|1|×|×|×|1|1</source>
        <translation>1|1|×|×|×|1|1</translation>
    </message>
    <message>
        <source>0|0|↑|0|0|不变|不变</source>
        <translation>0|0|↑|0|0|no change|no change</translation>
    </message>
    <message>
        <source>0|0|↑|0|1|0|1</source>
        <translation>0|0|↑|0|1|0|1</translation>
    </message>
    <message>
        <source>0|0|↑|1|0|1|0</source>
        <translation>0|0|↑|1|0|1|0</translation>
    </message>
    <message>
        <source>0|0|↑|1|1|翻转|翻转</source>
        <translation>0|0|↑|1|1|toggle|toggle</translation>
    </message>
    <message>
        <source>0|0|其它|×|×|不变|不变</source>
        <translation>0|0|other|×|×|no change|no change</translation>
    </message>
    <message>
        <source>同步十进制计数器，QD QC QB QA 为 8421 码</source>
        <translation>Synchronous decade counter, QD QC QB QA in 8421 BCD</translation>
    </message>
    <message>
        <source>/CLR=0：立即清零（异步清除）</source>
        <translation>/CLR=0: clear immediately (asynchronous clear)</translation>
    </message>
    <message>
        <source>/LOAD=0：CLK 上升沿置入 D C B A</source>
        <translation>/LOAD=0: load D C B A on CLK rising edge</translation>
    </message>
    <message>
        <source>ENP=ENT=1：CLK 上升沿加1，0→9→0</source>
        <translation>ENP=ENT=1: count up on CLK rising edge, 0→9→0</translation>
    </message>
    <message>
        <source>/CLR|/LOAD|ENP|ENT|CLK|功能</source>
        <translation>/CLR|/LOAD|ENP|ENT|CLK|Function</translation>
    </message>
    <message>
        <source>0|×|×|×|×|清零</source>
        <translation>0|×|×|×|×|clear</translation>
    </message>
    <message>
        <source>1|0|×|×|↑|置数</source>
        <translation>1|0|×|×|↑|load</translation>
    </message>
    <message>
        <source>1|1|1|1|↑|加1计数</source>
        <translation>1|1|1|1|↑|count up</translation>
    </message>
    <message>
        <source>1|1|0|×|×|保持</source>
        <translation>1|1|0|×|×|hold</translation>
    </message>
    <message>
        <source>1|1|×|0|×|保持</source>
        <translation>1|1|×|0|×|hold</translation>
    </message>
    <message>
        <source>同步十进制加/减计数器，QD QC QB QA 为 8421 码</source>
        <translation>Synchronous decade up/down counter, QD QC QB QA in 8421 BCD</translation>
    </message>
    <message>
        <source>CLR=1：清零；/LOAD=0：立即置入 D C B A</source>
        <translation>CLR=1: clear; /LOAD=0: load D C B A immediately</translation>
    </message>
    <message>
        <source>DOWN=1 时 UP 上升沿加1；UP=1 时 DOWN 上升沿减1</source>
        <translation>DOWN=1: UP rising edge counts up; UP=1: DOWN rising edge counts down</translation>
    </message>
    <message>
        <source>/CO：计到9时随 UP 变低</source>
        <translation>/CO: goes low with UP at count 9</translation>
    </message>
    <message>
        <source>/BO：计到0时随 DOWN 变低</source>
        <translation>/BO: goes low with DOWN at count 0</translation>
    </message>
    <message>
        <source>CLR|/LOAD|UP|DOWN|功能</source>
        <translation>CLR|/LOAD|UP|DOWN|Function</translation>
    </message>
    <message>
        <source>1|×|×|×|清零</source>
        <translation>1|×|×|×|clear</translation>
    </message>
    <message>
        <source>0|0|×|×|置数</source>
        <translation>0|0|×|×|load</translation>
    </message>
    <message>
        <source>0|1|↑|1|加1计数</source>
        <translation>0|1|↑|1|count up</translation>
    </message>
    <message>
        <source>0|1|1|↑|减1计数</source>
        <translation>0|1|1|↑|count down</translation>
    </message>
    <message>
        <source>0|1|1|1|保持</source>
        <translation>0|1|1|1|hold</translation>
    </message>
    <message>
        <source>两个独立的同步 BCD 加计数器，Q4～Q1 为 8421 码</source>
        <translation>Dual synchronous BCD up counter, Q4~Q1 in 8421 BCD</translation>
    </message>
    <message>
        <source>RESET=1：清零</source>
        <translation>RESET=1: clear</translation>
    </message>
    <message>
        <source>ENABLE=1 时 CLOCK 上升沿加1</source>
        <translation>ENABLE=1: count up on CLOCK rising edge</translation>
    </message>
    <message>
        <source>CLOCK=0 时 ENABLE 下降沿加1</source>
        <translation>CLOCK=0: count up on ENABLE falling edge</translation>
    </message>
    <message>
        <source>0→9→0</source>
        <translation>0→9→0</translation>
    </message>
    <message>
        <source>RESET|CLOCK|ENABLE|功能</source>
        <translation>RESET|CLOCK|ENABLE|Function</translation>
    </message>
    <message>
        <source>1|×|×|清零</source>
        <translation>1|×|×|clear</translation>
    </message>
    <message>
        <source>0|↑|1|加1计数</source>
        <translation>0|↑|1|count up</translation>
    </message>
    <message>
        <source>0|0|↓|加1计数</source>
        <translation>0|0|↓|count up</translation>
    </message>
    <message>
        <source>0|↓|×|保持</source>
        <translation>0|↓|×|hold</translation>
    </message>
    <message>
        <source>0|×|↑|保持</source>
        <translation>0|×|↑|hold</translation>
    </message>
    <message>
        <source>四位双向移位寄存器</source>
        <translation>4-bit bidirectional shift register</translation>
    </message>
    <message>
        <source>/CLR=0：立即清零</source>
        <translation>/CLR=0: clear immediately</translation>
    </message>
    <message>
        <source>S1 S0 选择工作方式，CLK 上升沿动作</source>
        <translation>S1 S0 select the mode; acts on CLK rising edge</translation>
    </message>
    <message>
        <source>右移：SR→QA→QB→QC→QD</source>
        <translation>Shift right: SR→QA→QB→QC→QD</translation>
    </message>
    <message>
        <source>左移：SL→QD→QC→QB→QA</source>
        <translation>Shift left: SL→QD→QC→QB→QA</translation>
    </message>
    <message>
        <source>/CLR|S1|S0|CLK|功能</source>
        <translation>/CLR|S1|S0|CLK|Function</translation>
    </message>
    <message>
        <source>0|×|×|×|清零</source>
        <translation>0|×|×|×|clear</translation>
    </message>
    <message>
        <source>1|1|1|↑|并行置数</source>
        <translation>1|1|1|↑|parallel load</translation>
    </message>
    <message>
        <source>1|0|1|↑|右移</source>
        <translation>1|0|1|↑|shift right</translation>
    </message>
    <message>
        <source>1|1|0|↑|左移</source>
        <translation>1|1|0|↑|shift left</translation>
    </message>
    <message>
        <source>1|0|0|×|保持</source>
        <translation>1|0|0|×|hold</translation>
    </message>
    <message>
        <source>八D触发器，共用时钟和清零</source>
        <translation>Octal D flip-flop with common clock and clear</translation>
    </message>
    <message>
        <source>/CLR=0：Q1～Q8 立即清零</source>
        <translation>/CLR=0: Q1~Q8 cleared immediately</translation>
    </message>
    <message>
        <source>CLK 上升沿时 Qn 取 Dn 的值（D 须在上升沿之前稳定）</source>
        <translation>On CLK rising edge Qn takes Dn (D must be stable before the edge)</translation>
    </message>
    <message>
        <source>0|×|×|0</source>
        <translation>0|×|×|0</translation>
    </message>
    <message>
        <source>1|↑|1|1</source>
        <translation>1|↑|1|1</translation>
    </message>
    <message>
        <source>1|↑|0|0</source>
        <translation>1|↑|0|0</translation>
    </message>
    <message>
        <source>1|其它|×|不变</source>
        <translation>1|other|×|no change</translation>
    </message>
    <message>
        <source>共阴极七段数码管，不需电源</source>
        <translation>Common-cathode seven-segment display, no supply needed</translation>
    </message>
    <message>
        <source>段引脚为高电平（1 或 +5V）、</source>
        <translation>A segment lights when its pin is high (1 or +5V)</translation>
    </message>
    <message>
        <source>公共端为低电平（0 或地）时该段点亮</source>
        <translation>and the common pin is low (0 or GND)</translation>
    </message>
    <message>
        <source>5脚是 dp、c、g、b 的公共端</source>
        <translation>Pin 5 is the common for dp, c, g, b</translation>
    </message>
    <message>
        <source>8脚是 a、f、e、d 的公共端</source>
        <translation>Pin 8 is the common for a, f, e, d</translation>
    </message>
    <message>
        <source>数码管%1</source>
        <translation>Digit %1</translation>
    </message>
    <message>
        <source>数码管模块</source>
        <translation>Display module</translation>
    </message>
    <message>
        <source>左侧一列插孔：两位数码管共用的段 a b c d e f g dp</source>
        <translation>Left column of sockets: segments a b c d e f g dp shared by both digits</translation>
    </message>
    <message>
        <source>下方两个插孔：COM1、COM2 是数码管1、数码管2的公共端</source>
        <translation>Bottom two sockets: COM1, COM2 are the commons of digit 1 and digit 2</translation>
    </message>
    <message>
        <source>共阴极：公共端为低电平（0）、段为高电平（1）时该段点亮</source>
        <translation>Common cathode: segment lights when common is low (0), segment high (1)</translation>
    </message>
    <message>
        <source>两个公共端都为低电平时，两位显示相同的字形</source>
        <translation>With both commons low, both digits show the same pattern</translation>
    </message>
    <message>
        <source>DCBA 接 +5V 端为1，悬空按0处理</source>
        <translation>DCBA: the +5V pin counts as 1; an open input counts as 0</translation>
    </message>
    <message>
        <source>计到9且 ENT=1 时 RCO=1</source>
        <translation>RCO=1 at a count of 9 with ENT=1</translation>
    </message>
    <message>
        <source>/CLR、/LOAD 接地端为0，悬空时不起作用</source>
        <translation>/CLR, /LOAD: the GND pin counts as 0; left open they do nothing</translation>
    </message>
    <message>
        <source>控制端接 +5V 端为1、接地端为0，悬空时不起作用</source>
        <translation>Control pins: +5V pin is 1, GND pin is 0; left open they do nothing</translation>
    </message>
    <message>
        <source>RESET、ENABLE 接 +5V 端为1、接地端为0</source>
        <translation>RESET, ENABLE: the +5V pin counts as 1, the GND pin as 0</translation>
    </message>
    <message>
        <source>S1、S0 接 +5V 端为1、接地端为0，悬空时保持</source>
        <translation>S1, S0: +5V pin is 1, GND pin is 0; left open: hold</translation>
    </message>
</context>
<context>
    <name>pointer text</name>
    <message>
        <source>面包板第%1组 第%2列</source>
        <translation>Breadboard group %1, column %2</translation>
    </message>
    <message>
        <source>上总线 第%1段</source>
        <translation>Upper bus, segment %1</translation>
    </message>
    <message>
        <source>下总线 第%1段</source>
        <translation>Lower bus, segment %1</translation>
    </message>
    <message>
        <source>数码管 COM%1</source>
        <translation>Display COM%1</translation>
    </message>
    <message>
        <source>数码管 %1段</source>
        <translation>Display segment %1</translation>
    </message>
    <message>
        <source>低电平</source>
        <translation>low</translation>
    </message>
    <message>
        <source>高电平</source>
        <translation>high</translation>
    </message>
    <message>
        <source>悬空</source>
        <translation>floating</translation>
    </message>
    <message>
        <source>输出冲突</source>
        <translation>output conflict</translation>
    </message>
    <message>
        <source>外部冲突</source>
        <translation>external conflict</translation>
    </message>
    <message>
        <source>未加电</source>
        <translation>no power</translation>
    </message>
    <message>
        <source>%1 脚%2</source>
        <translation>%1 pin %2</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source> 等%1个引脚</source>
        <translation> (%1 pins in all)</translation>
    </message>
    <message>
        <source>单击断开这里的表笔连接</source>
        <translation>click to take the probe off here</translation>
    </message>
    <message>
        <source>单击删除这根导线</source>
        <translation>click to remove this wire</translation>
    </message>
    <message>
        <source>未插入面包板</source>
        <translation>not on the breadboard</translation>
    </message>
    <message>
        <source>脚%1</source>
        <translation>pin %1</translation>
    </message>
</context>
<context>
    <name>truth table</name>
    <message>
        <source>数码管%1 %2</source>
        <translation>Display%1 %2</translation>
    </message>
    <message>
        <source>真值表</source>
        <translation>Truth table</translation>
    </message>
    <message>
        <source>输入：%1（拨动开关，第一个为最高位）
输出：%2
每行拨好开关后走 %3 个时钟节拍再读输出。</source>
        <translation>Inputs: %1 (toggle switches, the first is the highest bit)
Outputs: %2
Each row sets the switches, then runs %3 clock ticks before it reads the outputs.</translation>
    </message>
</context>
</TS>
