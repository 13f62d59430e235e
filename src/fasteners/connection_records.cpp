#include "fasteners/connection_records.h"

int connection_messages_1[CONNECTION_MESSAGE_LIST_SIZE];
int connection_messages_1_count = 0;
int connection_messages_2[CONNECTION_MESSAGE_LIST_SIZE];
int connection_messages_2_count = 0;

void connection_messages_clear()
{
    connection_messages_1_count = 0;
    connection_messages_2_count = 0;
}

void connection_message_add_1(int code)
{
    if (connection_messages_1_count < CONNECTION_MESSAGE_LIST_SIZE)
        connection_messages_1[connection_messages_1_count++] = code;
}

void connection_message_add_2(int code)
{
    if (connection_messages_2_count < CONNECTION_MESSAGE_LIST_SIZE)
        connection_messages_2[connection_messages_2_count++] = code;
}

void store_shear_terms(FastenerResult* r, double f_u, double m_y, double f_h_1, double f_h_2, double factor,
                       double f_v)
{
    r->f_u_used = f_u;
    r->m_y_k = m_y;
    r->f_h_1 = f_h_1;
    r->f_h_2 = f_h_2;
    r->reduction_factor = factor;
    r->f_v_k = f_v;
}
